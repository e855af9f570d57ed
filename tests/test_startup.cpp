// Start-up: the program folder, fonts that may be missing, the start screen.
#include "core/shared_state.h"
#include "layout/layout.h"
#include "screens/frm_main1.h"
#include "screens/splash.h"
#include "widgets/board_font.h"
#include "widgets/board_widgets.h"
#include "widgets/click_area.h"
#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void appDirHasOneSeparator_data();
    void appDirHasOneSeparator();
    void missingFontsAreSkipped();
    void facesResolveToShippedFonts_data();
    void facesResolveToShippedFonts();
    void splashGeometry();
    void clickLandsOnItsArea_data();
    void clickLandsOnItsArea();
};

void TestStartup::appDirHasOneSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("appDir");
    QTest::newRow("plain folder") << QStringLiteral("/opt/domisol") << QStringLiteral("/opt/domisol/");
    QTest::newRow("root keeps one") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("already ends in one") << QStringLiteral("/opt/x/") << QStringLiteral("/opt/x/");
}

void TestStartup::appDirHasOneSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, appDir);
    QCOMPARE(folderWithSeparator(folder), appDir);
}

void TestStartup::missingFontsAreSkipped()
{
    QTemporaryDir empty;
    Shared s;
    Register_Fonts(s, empty.path());
    QCOMPARE(s.App_Dir, empty.path() + QLatin1Char('/'));
    QVERIFY(QFontDatabase::applicationFontFamilies(0).isEmpty());  // nothing registered
    // Each face falls back to a family the system has.
    for (const char *face : {layout::kDisplayFace, layout::kPlainFace}) {
        const QFontInfo info(boardFont(face, 36));
        QVERIFY2(QFontDatabase::families().contains(info.family()), qPrintable(info.family()));
    }
    // The program still starts: the start screen, then a board with its words.
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    struct Silent : CuePlayer {
        void Play_Cue(const QString &) override {}
    };
    FrmMain1 board(s, std::make_unique<Silent>());
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QCOMPARE(board.Label3->text(), QStringLiteral("60초"));
    QVERIFY(QFontInfo(board.Label3->font()).pixelSize() > 0);
}

void TestStartup::facesResolveToShippedFonts_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("style");
    QTest::newRow("display face is the heavy file") << QString::fromUtf8(layout::kDisplayFace) << false
                                                    << QStringLiteral("ExtraBold");
    QTest::newRow("plain face is regular") << QString::fromUtf8(layout::kPlainFace) << false
                                           << QStringLiteral("Regular");
    QTest::newRow("plain face asked bold") << QString::fromUtf8(layout::kPlainFace) << true
                                           << QStringLiteral("Bold");
}

void TestStartup::facesResolveToShippedFonts()
{
    QFETCH(QString, face);
    QFETCH(bool, bold);
    QFETCH(QString, style);
    Shared s;
    Register_Fonts(s, QStringLiteral(DOMISOL_RUN_DIR));
    const QFontInfo info(boardFont(face.toUtf8().constData(), 36, bold));
    QCOMPARE(info.styleName(), style);
}

void TestStartup::splashGeometry()
{
    frmSplash splash;
    QCOMPARE(splash.size(), QSize(638, 478));
    QVERIFY(splash.windowTitle().trimmed().isEmpty());
    QCOMPARE(splash.Command1()->geometry(), QRect(36, 330, 179, 61));
    QCOMPARE(splash.Command2()->geometry(), QRect(378, 332, 179, 61));
    QCOMPARE(splash.Command1()->cursor().shape(), splash.Command2()->cursor().shape());
}

void TestStartup::clickLandsOnItsArea_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("kind");  // -1: nothing opens
    QTest::newRow("left button face") << QPoint(125, 360) << 1;
    QTest::newRow("right button face") << QPoint(467, 362) << 0;
    QTest::newRow("title area") << QPoint(320, 150) << -1;
    QTest::newRow("between the buttons") << QPoint(300, 360) << -1;
}

void TestStartup::clickLandsOnItsArea()
{
    QFETCH(QPoint, at);
    QFETCH(int, kind);
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QSignalSpy chosen(&splash, &frmSplash::boardChosen);
    QWidget *target = splash.childAt(at);
    if (!target)
        target = &splash;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&splash, at));
    if (kind < 0) {
        QCOMPARE(chosen.count(), 0);
    } else {
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), kind);
    }
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
