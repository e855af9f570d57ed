// The two-team window under the offscreen platform: what shows at start, the
// picker, typing an answer into the panel's box, the pulse, the score panel.
#include "screens/frm_main2.h"
#include "tests/window_fixture.h"
#include "widgets/hangul_line_edit.h"
#include "widgets/rounded_shape.h"

#include <QApplication>
#include <QtTest>

namespace {

struct Window : BoardWindow<FrmMain2> {
    Window() : BoardWindow(QStringLiteral("question %1;노아의 방주"))
    {
        QApplication::setActiveWindow(w.get());
    }
    // Start, pick `team`, open `cell` by clicks and let the panel slide in.
    void openQuestion(int team, int cell)
    {
        clickAt(centreOf(w->Command5));
        clickAt(centreOf(team == 0 ? w->Image4 : w->Image5));
        clickAt(centreOf(w->Cubix_Number[cell]));
        clock.advance(300);
    }
};

QColor textColour(QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

}  // namespace

class TestFrmMain2 : public QObject {
    Q_OBJECT
private slots:
    void windowAtStart();
    void handCursorExactlyOnClickAreas();
    void cursorWhereTheMouseIs();
    void textStylesAndPanelPlaces();
    void pickerByClicks();
    void typedAnswerSubmittedWithEnter();
    void wrongAnswerByTheAnswerButton();
    void pulseResizesTheHeart();
    void scorePanelClicks();
    void scoreShowsEveryDigit_data();
    void scoreShowsEveryDigit();
};

void TestFrmMain2::windowAtStart()
{
    Window t;
    t.verifySharedAtStart(QStringLiteral("도미솔게임 - 2팀용"));
    if (QTest::currentTestFailed())
        return;
    for (QWidget *hidden : std::initializer_list<QWidget *>{t.w->Pic_Sel, t.w->Label3, t.w->Time_Up, t.w->Command4})
        QVERIFY(!hidden->isVisible());
    const struct {
        QWidget *w;
        QRect at;
    } placed[] = {{t.w->Shape1, {790, 36, 215, 99}},
                  {t.w->Shape2, {790, 146, 215, 99}},
                  {t.w->Img_Team[0], {790, 36, 100, 100}},
                  {t.w->Img_Team[1], {790, 144, 100, 100}},
                  {t.w->Label_Team_Score[0], {884, 52, 115, 65}},
                  {t.w->Label_Team_Score[1], {884, 162, 119, 63}}};
    for (const auto &p : placed) {
        QVERIFY(p.w->isVisible());
        QCOMPARE(p.w->geometry(), p.at);
    }
    QCOMPARE(t.w->Label_Team_Score[0]->text(), QStringLiteral("0"));
    QCOMPARE(t.w->Label_Team_Score[1]->text(), QStringLiteral("0"));
    QCOMPARE(textColour(t.w->Label_Team_Score[0]), QColor(0xC0, 0, 0));
    QCOMPARE(textColour(t.w->Label_Team_Score[1]), QColor(0, 0x80, 0));
    QCOMPARE(textColour(t.w->Label1), QColor(0x80, 0x40, 0));
    QCOMPARE(t.w->Label1->text(), QStringLiteral("아래에 정답을 입력하세요"));
    // the hearts lie in front of their panels, the scores in front of the hearts
    const QWidgetList kids = t.w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(kids.indexOf(t.w->Shape1) < kids.indexOf(t.w->Img_Team[0]));
    QVERIFY(kids.indexOf(t.w->Img_Team[0]) < kids.indexOf(t.w->Label_Team_Score[0]));
}

void TestFrmMain2::handCursorExactlyOnClickAreas()
{
    Window t;
    // the text box keeps its own I-beam
    t.verifyHandCursors(t.sharedClickAreas() << t.w->Label_Sel_Team[0] << t.w->Label_Sel_Team[1]
                            << t.w->Label_Overrule,
                        t.w->Text1);
}

void TestFrmMain2::cursorWhereTheMouseIs()
{
    Window t;
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    const Qt::CursorShape hand = handCursor().shape(), arrow = Qt::ArrowCursor;
    const auto verify = [&t](std::initializer_list<Window::CursorRow> rows) { t.verifyCursors(rows); };
    verify({{t.w->Img_Team[0], arrow}, {t.w->Label_Team_Score[1], arrow}, {t.w->Shape2, arrow}});
    t.clickAt(t.centreOf(t.w->Command5));
    verify({{t.w->Image4, hand}, {t.w->Shape4, hand}, {t.w->Label14, arrow}});
    t.clickAt(t.centreOf(t.w->Image4));
    t.clickAt(t.centreOf(t.w->Cubix_Number[1]));
    t.clock.advance(300);
    verify({{t.w->Label8, hand}, {t.w->Label1, hand}, {t.w->Command3, hand},
            {t.w->Label7, arrow}, {t.w->Label10, arrow}});
    QCOMPARE(t.cursorAt(t.centreOf(t.w->Text1)), Qt::IBeamCursor);
    QTest::keyClicks(t.w->Text1, "shdk");
    t.clickAt(t.centreOf(t.w->Command3));
    QVERIFY(t.w->Pic_Wrong->isVisible());
    verify({{t.w->Pic_Wrong, arrow}});
}

void TestFrmMain2::textStylesAndPanelPlaces()
{
    Window t;
    const char *display = "HY견고딕", *plain = "굴림";
    verifyLabelStyles({
        {t.w->Label3, display, 36, false, 0x0000FF, Qt::AlignHCenter, false},
        {t.w->Label_Team_Score[0], display, 48, false, 0xC00000, Qt::AlignHCenter, false},
        {t.w->Label_Team_Score[1], display, 48, false, 0x008000, Qt::AlignHCenter, false},
        {t.w->Label_Team_Score[2], display, 48, false, 0x008000, Qt::AlignHCenter, false},
        {t.w->Label_Team_Score[3], display, 48, false, 0xC00000, Qt::AlignHCenter, false},
        {t.w->Label9, display, 27.75, false, 0x0000FF, Qt::AlignRight, false},
        {t.w->Label8, display, 27.75, false, 0x0000FF, Qt::AlignHCenter, true},
        {t.w->Label1, plain, 12, false, 0x804000, Qt::AlignLeft, false},
        {t.w->Label14, display, 27.75, false, 0x0000FF, Qt::AlignHCenter, false},
    });
    QCOMPARE(t.w->Text1->font().pixelSize(), 48);
    QCOMPARE(t.w->Text1->palette().color(QPalette::Text), QColor(0, 0, 0xFF));
    QCOMPARE(t.w->Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const struct {
        QWidget *w;
        QRect at;
    } placed[] = {{t.w->Label3, {792, 606, 181, 47}},   {t.w->Time_Up, {960, 600, 23, 29}},
                  {t.w->Command4, {960, 628, 23, 29}},  {t.w->Label8, {46, 72, 543, 239}},
                  {t.w->Label1, {142, 342, 425, 21}},   {t.w->Command3, {470, 374, 139, 71}},
                  {t.w->SELECT_IMG, {-2, 288, 100, 100}}, {t.w->Label7, {10, 448, 105, 53}},
                  {t.w->Label10, {104, 450, 105, 53}},  {t.w->Pic_Right, {174, 54, 303, 303}},
                  {t.w->Pic_Wrong, {174, 56, 301, 299}}, {t.w->Label14, {2, 14, 469, 47}},
                  {t.w->Label_Sel_Team[0], {10, 74, 213, 107}}, {t.w->Label_Sel_Team[1], {244, 74, 213, 107}},
                  {t.w->Image4, {64, 78, 100, 100}},    {t.w->Image5, {302, 78, 100, 100}},
                  {t.w->Shape3, {12, 76, 211, 105}},    {t.w->Shape4, {242, 76, 217, 105}},
                  {t.w->Img_Team[3], {292, 10, 100, 100}}, {t.w->Label_Team_Score[2], {388, 124, 119, 63}},
                  {t.w->Label5, {0, 0, 519, 517}}};
    for (const auto &p : placed)
        QCOMPARE(p.w->geometry(), p.at);
    // on the picker the click areas lie in front of the hearts, the hearts in front of the shapes
    const QWidgetList sel = t.w->Pic_Sel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (int team = 0; team < 2; ++team) {
        QWidget *shape = team == 0 ? static_cast<QWidget *>(t.w->Shape3) : t.w->Shape4;
        QWidget *heart = team == 0 ? t.w->Image4 : t.w->Image5;
        QVERIFY(sel.indexOf(shape) < sel.indexOf(heart));
        QVERIFY(sel.indexOf(heart) < sel.indexOf(t.w->Label_Sel_Team[team]));
    }
}

void TestFrmMain2::pickerByClicks()
{
    Window t;
    t.clickAt(t.centreOf(t.w->Command5));
    QVERIFY(t.w->Pic_Sel->isVisible());
    QCOMPARE(t.w->Pic_Sel->geometry(), QRect(168, 235, 475, 199));
    QCOMPARE(t.w->Label14->text(), QStringLiteral("시작할 팀을 선택하세요"));
    for (int team = 0; team < 2; ++team) {
        PictureBox *heart = team == 0 ? t.w->Image4 : t.w->Image5;
        QCOMPARE(t.w->childAt(t.centreOf(heart)), t.w->Label_Sel_Team[team]);
    }
    // the picker stands in front of the cells it covers (here between its halves)
    QCOMPARE(t.w->childAt(t.centreOf(t.w->Cubix_Number[4])), t.w->Pic_Sel);
    t.clickAt(t.centreOf(t.w->Image5));
    QCOMPARE(t.b().Cur_Team, 1);
    QVERIFY(!t.w->Pic_Sel->isVisible());
    QCOMPARE(t.cues->played.last(), QStringLiteral("send.wav"));
    QCOMPARE(t.w->childAt(t.centreOf(t.w->Cubix_Number[4])), t.w->Cover_Cubix[4]);
    // the clock and its buttons never appear, so their places hold something else
    QVERIFY(!t.w->Label3->isVisible() && !t.w->Time_Up->isVisible());
    QVERIFY(t.w->childAt(t.centreOf(t.w->Time_Up)) != t.w->Time_Up);
}

void TestFrmMain2::typedAnswerSubmittedWithEnter()
{
    Window t;
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    t.openQuestion(1, 2);
    QVERIFY(t.w->Pic_Quiz->isVisible());
    QCOMPARE(t.w->Pic_Quiz->geometry(), QRect(86, 80, 641, 483));
    QCOMPARE(t.w->Text1->geometry(), QRect(54, 380, 387, 53));
    QVERIFY(t.w->Text1->hasFocus());  // given at the end of the slide
    QVERIFY(t.w->Text1->isHangulMode());
    QTest::keyClicks(t.w->Text1, "shdkdml qkdwn");
    QCOMPARE(t.w->Text1->text() + t.w->Text1->composition(), QStringLiteral("노아의 방주"));
    QTest::keyClick(t.w->Text1, Qt::Key_Return);
    QVERIFY(t.w->Pic_Right->isVisible());
    QCOMPARE(t.w->Label_Team_Score[1]->text(), QStringLiteral("30"));
    QVERIFY(!t.w->Cubix[2]->isVisible());
    QTest::keyClick(t.w->Text1, Qt::Key_Return);  // the question has its verdict
    QCOMPARE(t.w->Label_Team_Score[1]->text(), QStringLiteral("30"));
    QCOMPARE(t.cues->played.count("right.wav"), 1);
    t.clock.advance(500);
    QVERIFY(!t.w->Pic_Quiz->isVisible());
    QVERIFY(t.w->Text1->text().isEmpty());
    t.clock.advance(2000);
    QVERIFY(t.w->Cubix_Icon[2]->isVisible());
    QCOMPARE(t.w->Cubix_Icon[2]->geometry(), QRect(70, 46, 100, 100));
    QCOMPARE(t.w->Cubix_Icon[2]->grab().toImage().pixelColor(50, 50),
             artPixmap(Art::HeartGreen).toImage().pixelColor(50, 50));
}

void TestFrmMain2::wrongAnswerByTheAnswerButton()
{
    Window t;
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    t.openQuestion(0, 5);
    QTest::keyClicks(t.w->Text1, "shdk");  // 노아, its last syllable still composing
    t.clickAt(t.centreOf(t.w->Command3));
    QVERIFY(t.w->Pic_Wrong->isVisible());
    QCOMPARE(t.b().Cell_QA[5][3], QStringLiteral("no"));
    QCOMPARE(t.cues->played.last(), QStringLiteral("bome.wav"));
    t.clock.advance(2500);
    QVERIFY(t.w->Cubix_Number[5]->isVisible());
    QVERIFY(!t.w->Cubix_Icon[5]->isVisible());
    QCOMPARE(t.b().Cur_Team, 1);
    // the cell opens again for the other team, with an empty box and its heart
    t.clickAt(t.centreOf(t.w->Cubix_Number[5]));
    t.clock.advance(300);
    QVERIFY(t.w->Text1->text().isEmpty() && t.w->Text1->composition().isEmpty());
    QCOMPARE(t.w->SELECT_IMG->grab().toImage().pixelColor(50, 50),
             artPixmap(Art::HeartGreen).toImage().pixelColor(50, 50));
}

void TestFrmMain2::pulseResizesTheHeart()
{
    Window t;
    t.clickAt(t.centreOf(t.w->Command5));
    t.clickAt(t.centreOf(t.w->Image4));
    t.clock.advance(500);
    // about the heart's centre, so it never leans over the score at its right
    QCOMPARE(t.w->Img_Team[0]->geometry(), QRect(795, 41, 90, 90));
    t.clock.advance(500);
    QCOMPARE(t.w->Img_Team[0]->geometry(), QRect(785, 31, 110, 110));
    QCOMPARE(t.w->Img_Team[0]->geometry().center(), QRect(790, 36, 100, 100).center());
    QCOMPARE(t.w->Img_Team[1]->geometry(), QRect(790, 144, 100, 100));
    // game balls refuse a new game while the marker runs
    t.clickAt(t.centreOf(t.w->GBox[5]));
    QCOMPARE(t.s.Game_No, 0);
}

void TestFrmMain2::scorePanelClicks()
{
    Window t;
    t.clickAt(t.centreOf(t.w->Command5));
    t.clickAt(t.centreOf(t.w->Image4));
    for (int i = 0; i < 9; ++i) {
        TwoTeamBoard &b = t.b();
        b.Cover_Cubix_Click(i);
        b.Text1.Caption = b.Cell_QA[i][1];
        b.Command3_Click();
        t.clock.advance(2500);
    }
    QVERIFY(t.w->Pic_Score->isVisible());
    QCOMPARE(t.w->Pic_Score->geometry(), QRect(140, 60, 523, 521));
    QCOMPARE(t.w->Label_Team_Score[3]->text(), t.w->Label_Team_Score[0]->text());
    QCOMPARE(t.w->Label_Team_Score[2]->text(), t.w->Label_Team_Score[1]->text());
    QCOMPARE(textColour(t.w->Label_Team_Score[3]), QColor(0xC0, 0, 0));
    QCOMPARE(t.w->Label_Team_Score[3]->geometry(), QRect(388, 30, 115, 65));
    QCOMPARE(t.w->Img_Team[2]->geometry(), QRect(292, 104, 100, 100));
    // a click on a score or a heart lands there and leaves the panel open
    for (QWidget *w : std::initializer_list<QWidget *>{t.w->Label_Team_Score[3], t.w->Label_Team_Score[2],
                                                       t.w->Img_Team[3], t.w->Img_Team[2]}) {
        const QPoint p = t.centreOf(w);
        QCOMPARE(t.w->childAt(p), w);
        QCOMPARE(t.cursorAt(p), Qt::ArrowCursor);  // not Label5's hand
        t.clickAt(p);
        QVERIFY(t.w->Pic_Score->isVisible());
    }
    QCOMPARE(t.cursorAt(t.w->Pic_Score->mapTo(t.w.get(), QPoint(100, 400))), handCursor().shape());
    t.clickAt(t.w->Pic_Score->mapTo(t.w.get(), QPoint(100, 400)));  // Label5
    QVERIFY(!t.w->Pic_Score->isVisible());
}

void TestFrmMain2::scoreShowsEveryDigit_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("fullSize");
    QTest::newRow("two digits, design size") << 30 << true;
    QTest::newRow("four digits, drawn smaller, not cut") << 1070 << false;
    QTest::newRow("back to two digits") << 60 << true;
}

void TestFrmMain2::scoreShowsEveryDigit()
{
    QFETCH(int, score);
    QFETCH(bool, fullSize);
    Window t;
    BoardLabel *label = t.w->Label_Team_Score[0];
    const int designPixels = label->font().pixelSize();
    label->setCaption(QString::number(1070));
    label->setCaption(QString::number(score));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    QCOMPARE(label->font().pixelSize() == designPixels, fullSize);
}

QTEST_MAIN(TestFrmMain2)
#include "test_frm_main2.moc"
