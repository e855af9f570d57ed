// Plain widgets the board screens are built from. They hold no game rule.
// Every one is placed from its element's design rectangle through the
// board's scale (applyElement) and draws itself for that scale.
#pragma once

#include "board/board.h"
#include "board/text_fit.h"
#include "layout/layout.h"
#include "widgets/board_fit.h"
#include "widgets/board_scale.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVector>
#include <QWidget>

// Places and shows or hides w as e says: e's design rectangle through the
// scale of the board w lies on (plus the board's origin for the window's own
// children), and w told the factor (ScaledWidget) or its font scaled.
void applyElement(QWidget *w, const Element &e);

// A picture box: a picture at its top-left corner at natural size (or
// stretched over the box), on an optional background; may report clicks.
// At a larger scale the picture is drawn from the artwork's larger variant.
class PictureBox : public QWidget, public ScaledWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent, const QPixmap &picture = {}, bool stretch = false);
    void setPicture(const QPixmap &picture);
    void setBackground(const QColor &c) { m_background = c; }
    void setScaleFactor(double factor) override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPixmap drawnPicture() const;  // at the size drawn, for the screen's pixels
    QPixmap m_picture;
    QColor m_background;
    bool m_stretch;
    bool m_leftDown = false;
    double m_factor = 1.0;
};

// A windowless label: transparent, click-through, one style from the layout
// table, its font at the board's scale.
class BoardLabel : public QLabel, public ScaledWidget {
public:
    BoardLabel(QWidget *parent, const layout::TextStyle &style, bool wrap = false);
    void setCaption(const QString &caption);  // CR LF shows as a line break
    void setScaleFactor(double factor) override;
    // The caption always shows whole: the font steps down to floorPoints,
    // then the text ends with "…" (fitText).
    void fitDownTo(double floorPoints);
    TextFit lastFit() const { return m_fit; }
    double designPoints() const { return m_style.points; }

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    // Sets the caption into the label: fitted when asked, else a one-line
    // caption wider than the label (a four-digit score) is drawn smaller.
    void refresh();
    layout::TextStyle m_style;
    QString m_caption;
    double m_factor = 1.0;
    double m_floor = 0;  // 0: not fitted
    TextFit m_fit = TextFit::Whole;
};

// applyElement, and shows e's caption.
void applyLabel(BoardLabel *w, const Element &e);

// Img_SRC: the white play area with the game picture and the captions drawn
// over it, rendered for the size it is shown at.
class PictureArea : public QWidget, public ScaledWidget {
public:
    PictureArea(QWidget *parent, QSize designSize);
    // The picture fills the area by a centred crop of the area's shape; the
    // captions drawn before go.
    void drawPicture(const QImage &picture);
    void drawScript(const ScriptDraw &d);  // design pixels
    void setScaleFactor(double factor) override;
    const QImage &canvas();  // device pixels

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void render();     // anew at the next paint
    void renderNow();
    void paintScript(QPainter &p, const ScriptDraw &d) const;
    QSize m_designSize;
    QImage m_picture;
    QVector<ScriptDraw> m_script;
    QImage m_canvas;
    double m_factor = 1.0;
    bool m_dirty = true;
};

// A small push button in a board font that never takes the focus.
QPushButton *textButton(QWidget *parent, const layout::TextStyle &style);
// applyElement, and shows e's caption on the button.
void applyButton(QPushButton *w, const Element &e);
// A label on a light background, centred: a sign read at a glance.
BoardLabel *signLabel(QWidget *parent, const layout::TextStyle &style);
