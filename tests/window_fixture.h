// A board window under the offscreen platform: virtual time, recorded cues,
// game 0 filled with questions, and clicks sent where the mouse would land.
#pragma once

#include "screens/board_view.h"
#include "tests/board_fixture.h"
#include "widgets/artwork.h"
#include "widgets/board_widgets.h"
#include "widgets/click_area.h"

#include <QtTest>

#include <memory>

// A board label's text style as the layout tables give it: face, size in
// points (96 dpi), weight, colour as 0xRRGGBB, horizontal alignment, wrapping.
struct LabelStyleRow {
    QLabel *label;
    const char *face;
    double points;
    bool bold;
    QRgb colour;
    Qt::Alignment align;
    bool wrap;
};

inline void verifyLabelStyles(std::initializer_list<LabelStyleRow> rows)
{
    for (const LabelStyleRow &r : rows) {
        const QString name = r.label->text();
        const QFont f = r.label->font();
        QVERIFY2(f.families().contains(QString::fromUtf8(r.face)) || f.family() == QString::fromUtf8(r.face),
                 qPrintable(name));
        QVERIFY2(f.pixelSize() == qRound(r.points * 96 / 72), qPrintable(name));
        QVERIFY2(f.bold() == r.bold, qPrintable(name));
        QVERIFY2(r.label->palette().color(QPalette::WindowText).rgb() == (0xFF000000 | r.colour), qPrintable(name));
        QVERIFY2((r.label->alignment() & Qt::AlignHorizontal_Mask) == r.align, qPrintable(name));
        QVERIFY2(r.label->wordWrap() == r.wrap, qPrintable(name));
    }
}

template <class Frm>
struct BoardWindow {
    Shared s;
    ManualClock clock;
    RecordingCues *cues = new RecordingCues;  // owned by the window
    std::unique_ptr<Frm> w;

    // line: one question line of game 0, "%1" standing for the question number.
    explicit BoardWindow(const QString &line)
    {
        for (int q = 0; q < 9; ++q)
            s.Quiz_Table[0][q] = line.arg(q);
        w = std::make_unique<Frm>(s, std::unique_ptr<CuePlayer>(cues), nullptr, &clock);
        w->show();
    }
    auto &b() { return w->board(); }

    // A click sent to whatever lies at p in the window, as the mouse would.
    void clickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget *target = w->childAt(p);
        QVERIFY(target);
        const QPoint local = target->mapFrom(w.get(), p);
        QTest::mousePress(target, button, {}, local);
        QTest::mouseRelease(target, button, {}, local);
    }
    QPoint centreOf(QWidget *child) const { return child->mapTo(w.get(), child->rect().center()); }
    // A design point of the board in the window, through the board's scale.
    QPoint atDesign(QPointF design) const
    {
        const BoardScale &sc = w->boardScale();
        return sc.origin + QPoint(int(design.x() * sc.factor), int(design.y() * sc.factor));
    }
    // Resizes the window and lets it lay its board out for the new size.
    void resizeTo(QSize size)
    {
        w->resize(size);
        QTRY_COMPARE(w->size(), size);
    }

    // What both boards show when their window opens: the caption, a
    // 1024 x 768 client area that may grow, the pop-up panels hidden, nine fresh cells on the
    // exact grid, and "box.wav" once for game 1 being chosen.
    void verifySharedAtStart(const QString &title) const
    {
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->size(), QSize(1024, 768));
        QVERIFY(w->maximumSize().width() > 1024 && w->maximumSize().height() > 768);  // resizable
        for (QWidget *hidden : std::initializer_list<QWidget *>{w->Pic_Quiz, w->Pic_Bingo, w->Pic_Score})
            QVERIFY(!hidden->isVisible());
        QVERIFY(!w->Pic_Right->isVisibleTo(w->Pic_Quiz));
        QVERIFY(!w->Pic_Wrong->isVisibleTo(w->Pic_Quiz));
        for (int i = 0; i < 9; ++i) {
            QVERIFY(w->Cubix[i]->isVisible());
            QVERIFY(w->Cubix_Number[i]->isVisible());
            QCOMPARE(w->Cubix_Number[i]->text(), QString::number(i + 1));
            QVERIFY(!w->Cubix_Icon[i]->isVisible());
        }
        QCOMPARE(w->Cubix[4]->geometry(), QRect(282, 239, 247, 199));
        QCOMPARE(cues->played, QStringList{"box.wav"});
    }

    // The click areas both boards have.
    QList<QWidget *> sharedClickAreas() const
    {
        QList<QWidget *> areas = {w->Command5, w->Command1, w->Command2, w->Pic_Quiz, w->Command3, w->Label5,
                                  w->Label_StartOver, w->Label_Ask_Yes, w->Label_Ask_No};
        for (int i = 0; i < 10; ++i)
            areas << w->GBox[i];
        for (int i = 0; i < 9; ++i)
            areas << w->Cover_Cubix[i];
        return areas;
    }

    // Exactly the widgets in withHand set the hand cursor; any other widget
    // that sets a cursor of its own sets the arrow (a click area without the
    // hand over a panel that has it). skip and its children (a text box with
    // its own I-beam) are passed over.
    void verifyHandCursors(const QList<QWidget *> &withHand, const QWidget *skip = nullptr) const
    {
        const Qt::CursorShape hand = handCursor().shape();
        for (QWidget *c : w->template findChildren<QWidget *>()) {
            if (skip && (c == skip || c->parentWidget() == skip))
                continue;
            const bool own = c->testAttribute(Qt::WA_SetCursor);
            const char *name = c->metaObject()->className();
            if (withHand.contains(c)) {
                QVERIFY2(own, name);
                QCOMPARE(c->cursor().shape(), hand);
            } else if (own) {
                QCOMPARE(c->cursor().shape(), Qt::ArrowCursor);
            }
        }
    }

    // The cursor the mouse shows at p: that of the widget a click there
    // reaches, or of its nearest parent that sets one; else the arrow.
    Qt::CursorShape cursorAt(QPoint p) const
    {
        for (QWidget *c = w->childAt(p); c && c != w.get(); c = c->parentWidget())
            if (c->testAttribute(Qt::WA_SetCursor))
                return c->cursor().shape();
        return Qt::ArrowCursor;
    }

    // Each widget shows shape under the mouse at its centre.
    struct CursorRow {
        QWidget *at;
        Qt::CursorShape shape;
    };
    void verifyCursors(std::initializer_list<CursorRow> rows) const
    {
        for (const CursorRow &r : rows)
            QVERIFY2(cursorAt(centreOf(r.at)) == r.shape,
                     qPrintable(QStringLiteral("%1 %2").arg(r.at->metaObject()->className()).arg(r.shape)));
    }
};
