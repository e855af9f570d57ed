// Qt's own dialogs speak the desktop's language: the "qtbase" catalogue from
// Qt's translations folder (Debian's qt6-translations-l10n).
#include "widgets/qt_translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

bool hasCatalogue(const QString &suffix)
{
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + suffix + ".qm");
}

}  // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void translate_data();
    void translate();
    void fileDialogInKorean();

private:
    QTranslator *m_installed = nullptr;
};

void TestQtTranslations::cleanup()
{
    if (m_installed) {
        QCoreApplication::removeTranslator(m_installed);
        delete m_installed;
        m_installed = nullptr;
    }
}

void TestQtTranslations::translate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Korean: button box Cancel") << "ko_KR" << QByteArray("QPlatformTheme")
                                              << QByteArray("Cancel") << QStringLiteral("취소");
    QTest::newRow("Korean: file dialog label") << "ko_KR" << QByteArray("QFileDialog")
                                              << QByteArray("Look in:") << QStringLiteral("다음에서 찾기:");
    QTest::newRow("German follows its own locale") << "de_DE" << QByteArray("QPlatformTheme")
                                                   << QByteArray("Cancel") << QStringLiteral("Abbrechen");
    QTest::newRow("no catalogue keeps English") << "sw_KE" << QByteArray("QPlatformTheme")
                                                << QByteArray("Cancel") << QStringLiteral("Cancel");
}

void TestQtTranslations::translate()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QString, expected);
    const QLocale loc(locale);
    const bool catalogue = hasCatalogue(loc.name().section('_', 0, 0));
    if (!catalogue && expected != QString::fromLatin1(source))
        QSKIP("Qt's translations are not installed (qt6-translations-l10n)");

    m_installed = installQtTranslations(loc);
    QCOMPARE(m_installed != nullptr, catalogue);
    QCOMPARE(QCoreApplication::translate(context, source), expected);
}

void TestQtTranslations::fileDialogInKorean()
{
    if (!hasCatalogue("ko"))
        QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    m_installed = installQtTranslations(QLocale(QLocale::Korean, QLocale::SouthKorea));
    QVERIFY(m_installed);

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto *box = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("취소"));
    QCOMPARE(box->button(QDialogButtonBox::Open)->text(), QStringLiteral("열기(&O)"));
    auto *fileName = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    QVERIFY(fileName);
    QCOMPARE(fileName->text(), QStringLiteral("파일 이름(&N):"));
}

QTEST_MAIN(TestQtTranslations)
#include "test_qt_translations.moc"
