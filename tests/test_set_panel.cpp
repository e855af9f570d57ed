// The start screen's set bar and set panel under the offscreen platform:
// clicks land on the painted buttons, and each button does its work on disk,
// in the shared state and in the settings, asking and telling in Korean.
#include "core/shared_state.h"
#include "data/current_set.h"
#include "screens/board_window.h"
#include "screens/set_panel.h"
#include "screens/splash.h"
#include "tests/set_fixture.h"
#include "widgets/click_area.h"
#include "widgets/layout_qt.h"

#include <QListWidget>
#include <QSettings>

namespace sp = layout::splash;

namespace {

// The start screen with its panel over a data folder, the dialogs scripted.
struct PanelFixture : SetFixture {
    Shared s;
    QStringList remembered;
    QStringList names;       // answers of askName, in turn
    QList<bool> answers;     // answers of confirm, in turn
    QString zipPath;         // chosen in the file dialogs
    QStringList told;        // messages, failures marked with "!"
    frmSplash splash;
    SetPanel *panel = nullptr;

    PanelFixture()
    {
        useSet(s, sets, kDefaultSetName);
        panel = addSetPanel(&splash, s, sets, [this](const QString &n) { remembered << n; });
        SetPanel::Dialogs d;
        d.askName = [this](QWidget *, const QString &, const QString &, const QString &) -> std::optional<QString> {
            return names.isEmpty() ? std::nullopt : std::optional<QString>(names.takeFirst());
        };
        d.confirm = [this](QWidget *, const QString &q) {
            told << QStringLiteral("?") + q;
            return !answers.isEmpty() && answers.takeFirst();
        };
        d.exportPath = [this](QWidget *, const QString &) { return zipPath; };
        d.importPath = [this](QWidget *) { return zipPath; };
        d.tell = [this](QWidget *, const QString &m, bool failure) { told << (failure ? QStringLiteral("!") : QString()) + m; };
        panel->setDialogs(d);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
    }

    // A click where the mouse would land in the start screen.
    void clickAt(QPoint p)
    {
        QWidget *target = splash.childAt(p);
        if (!target)
            target = &splash;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&splash, p));
    }
    void press(SetPanel::Action a) { clickAt(toQRect(sp::SetPanel).topLeft() + toQRect(sp::setButton(a)).center()); }
    // A copy of the default set under name, in use, the panel open.
    void openOnNewSet(const QString &name)
    {
        QVERIFY(sets.create(kDefaultSetName, name).ok);
        QVERIFY(useSet(s, sets, name));
        panel->open();
    }
    // name is in use in the shared state, was remembered last and shows on the bar.
    void verifyInUse(const QString &name)
    {
        QCOMPARE(s.Set_Name, name);
        QCOMPARE(s.Set_Dir, sets.folderOf(name));
        QVERIFY(!remembered.isEmpty());
        QCOMPARE(remembered.last(), name);
        QCOMPARE(splash.setName(), name);
    }
    void select(const QString &name)
    {
        for (int r = 0; r < panel->list()->count(); ++r)
            if (panel->list()->item(r)->data(Qt::UserRole).toString() == name)
                panel->list()->setCurrentRow(r);
    }
};

}  // namespace

class TestSetPanel : public QObject {
    Q_OBJECT
private slots:
    void barOpensThePanel();
    void clicksLandOnTheButtons();
    void newSetIsACopyInUse();
    void chooseLoadsTheSet();
    void defaultSetIsKept_data();
    void defaultSetIsKept();
    void renameFollowsTheSetInUse();
    void deleteAsksFirst();
    void exportThenImport();
    void boardTitleNamesTheSet();
};

void TestSetPanel::barOpensThePanel()
{
    PanelFixture f;
    QVERIFY(!f.panel->isVisible());
    QCOMPARE(f.splash.setName(), kDefaultSetName);
    f.clickAt(toQRect(sp::SetChange).center());
    QVERIFY(f.panel->isVisible());
    QCOMPARE(f.panel->selected(), kDefaultSetName);
    QCOMPARE(f.panel->list()->currentItem()->text(), QStringLiteral("▶ 기본 세트  (지금 세트)"));
    f.press(SetPanel::Close);
    QVERIFY(!f.panel->isVisible());
    // The board buttons still open boards once the panel is gone.
    QSignalSpy chosen(&f.splash, &frmSplash::boardChosen);
    f.clickAt(toQRect(sp::Command1).center());
    QCOMPARE(chosen.count(), 1);
}

void TestSetPanel::clicksLandOnTheButtons()
{
    PanelFixture f;
    f.panel->open();
    for (int k = 0; k < sp::kSetButtonCount; ++k) {
        const QPoint centre = toQRect(sp::SetPanel).topLeft() + toQRect(sp::setButton(k)).center();
        QCOMPARE(f.splash.childAt(centre), f.panel->button(SetPanel::Action(k)));
    }
    QCOMPARE(f.splash.childAt(toQRect(sp::SetPanel).topLeft() + toQRect(sp::SetList).center())->parentWidget(),
             f.panel->list());
}

void TestSetPanel::newSetIsACopyInUse()
{
    PanelFixture f;
    f.panel->open();
    f.names = {QStringLiteral("3월/첫째 주"), QStringLiteral("3월 첫째 주")};  // refused once, then taken
    f.press(SetPanel::New);
    QCOMPARE(f.told.size(), 1);
    QVERIFY2(f.told.at(0).startsWith(QStringLiteral("!세트 이름에는 다음 글자를 쓸 수 없습니다")), qPrintable(f.told.at(0)));
    const QString name = QStringLiteral("3월 첫째 주");
    QCOMPARE(readSetFiles(f.sets.folderOf(name)), f.defaults);
    f.verifyInUse(name);
    QCOMPARE(f.panel->selected(), name);

    f.names = {};  // cancelled: nothing more
    f.press(SetPanel::New);
    QCOMPARE(f.sets.names().size(), 2);
}

void TestSetPanel::chooseLoadsTheSet()
{
    PanelFixture f;
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("여름")).ok);
    QVERIFY(writeAll(f.sets.folderOf(QStringLiteral("여름")) + kQuizFileName, "summer;1\r\n"));
    f.panel->open();
    f.select(QStringLiteral("여름"));
    f.press(SetPanel::Choose);
    QVERIFY(!f.panel->isVisible());
    QCOMPARE(f.s.Set_Name, QStringLiteral("여름"));
    QCOMPARE(f.s.Quiz_Table[0][0], QStringLiteral("summer;1"));
    QCOMPARE(f.remembered, QStringList{QStringLiteral("여름")});
}

void TestSetPanel::defaultSetIsKept_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("told");
    QTest::newRow("rename") << int(SetPanel::Rename) << QStringLiteral("!기본 세트의 이름은 바꿀 수 없습니다.");
    QTest::newRow("delete") << int(SetPanel::Delete) << QStringLiteral("!기본 세트는 지울 수 없습니다.");
}

// Refused before anything is asked, whatever set is in use.
void TestSetPanel::defaultSetIsKept()
{
    QFETCH(int, action);
    QFETCH(QString, told);
    PanelFixture f;
    f.openOnNewSet(QStringLiteral("봄"));
    f.names = {QStringLiteral("새 이름")};
    f.answers = {true};
    f.select(kDefaultSetName);
    f.press(SetPanel::Action(action));
    QCOMPARE(f.told, QStringList{told});
    QCOMPARE(f.sets.names(), (QStringList{kDefaultSetName, QStringLiteral("봄")}));
    QCOMPARE(readSetFiles(f.data), f.defaults);
}

void TestSetPanel::renameFollowsTheSetInUse()
{
    PanelFixture f;
    f.openOnNewSet(QStringLiteral("봄"));
    f.select(QStringLiteral("봄"));
    f.names = {QStringLiteral("봄 소풍")};
    f.press(SetPanel::Rename);
    QCOMPARE(f.sets.names(), (QStringList{kDefaultSetName, QStringLiteral("봄 소풍")}));
    f.verifyInUse(QStringLiteral("봄 소풍"));
}

void TestSetPanel::deleteAsksFirst()
{
    PanelFixture f;
    f.openOnNewSet(QStringLiteral("가을"));
    f.select(QStringLiteral("가을"));
    f.answers = {false};
    f.press(SetPanel::Delete);
    QCOMPARE(f.told, QStringList{QStringLiteral("?'가을' 세트를 지울까요?\n세트의 문제와 그림이 모두 지워지며 되살릴 수 없습니다.")});
    QVERIFY(f.sets.exists(QStringLiteral("가을")));

    f.answers = {true};
    f.press(SetPanel::Delete);
    QVERIFY(!f.sets.exists(QStringLiteral("가을")));
    // The set in use is gone: the default set takes its place.
    f.verifyInUse(kDefaultSetName);
    QCOMPARE(f.s.Set_Dir, f.data);
}

void TestSetPanel::exportThenImport()
{
    PanelFixture f;
    f.panel->open();
    f.zipPath = f.root.path() + QStringLiteral("/기본.zip");
    f.press(SetPanel::Export);
    QCOMPARE(f.told, QStringList{QStringLiteral("'기본 세트' 세트를 내보냈습니다:\n%1").arg(f.zipPath)});
    f.told.clear();
    f.press(SetPanel::Import);
    QCOMPARE(f.told, QStringList{QStringLiteral("'기본 세트 (2)' 세트를 가져왔습니다.\n쓰려면 '이 세트로 하기'를 누르세요.")});
    QCOMPARE(f.panel->selected(), QStringLiteral("기본 세트 (2)"));
    QCOMPARE(f.s.Set_Name, kDefaultSetName);  // imported, not yet in use

    f.told.clear();
    QVERIFY(writeAll(f.zipPath, "not a zip"));
    f.press(SetPanel::Import);
    QCOMPARE(f.told.size(), 1);
    QVERIFY(f.told.at(0).startsWith(QStringLiteral("!이 파일은 도미솔게임 퀴즈 세트가 아니어서 가져오지 않았습니다.")));
}

void TestSetPanel::boardTitleNamesTheSet()
{
    PanelFixture f;
    QVERIFY(f.sets.create(kDefaultSetName, QStringLiteral("3월 첫째 주")).ok);
    QVERIFY(useSet(f.s, f.sets, QStringLiteral("3월 첫째 주")));
    for (int kind : {1, 0}) {
        std::unique_ptr<QWidget> board(createBoardWindow(f.s, kind));
        QCOMPARE(board->windowTitle(),
                 QStringLiteral("도미솔게임 - %1팀용 - 3월 첫째 주").arg(kind == 1 ? 1 : 2));
    }
}

QTEST_MAIN(TestSetPanel)
#include "test_set_panel.moc"
