// Plain widgets the board screens are built from. They hold no game rule.
#pragma once

#include "board/board.h"
#include "layout/layout.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// Rounds a fractional element rectangle so that neighbours meet edge to edge.
QRect elementRect(const Element &e);
// Places and shows or hides w as e says.
void applyElement(QWidget *w, const Element &e);

// A picture box: a picture at its top-left corner at natural size (or
// stretched over the box), on an optional background; may report clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent, const QPixmap &picture = {}, bool stretch = false);
    void setPicture(const QPixmap &picture);
    void setBackground(const QColor &c) { m_background = c; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPixmap m_picture;
    QPixmap m_scaled;  // stretched copy for the current size
    QColor m_background;
    bool m_stretch;
    bool m_leftDown = false;
};

// A windowless label: transparent, click-through, one style from the layout table.
class BoardLabel : public QLabel {
public:
    BoardLabel(QWidget *parent, const layout::TextStyle &style, bool wrap = false);
    void setCaption(const QString &caption);  // CR LF shows as a line break

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    // A one-line caption wider than the label (a four-digit score) is drawn
    // smaller so that every digit shows, instead of being cut at both ends.
    void fitWidth();
    QFont m_font;
};

// applyElement, and shows e's caption.
void applyLabel(BoardLabel *w, const Element &e);

// Img_SRC: the white play area that keeps what is drawn on it.
class PictureArea : public QWidget {
public:
    PictureArea(QWidget *parent, QSize size);
    void drawPicture(const QImage &picture);  // stretched over the whole area
    void drawScript(const ScriptDraw &d);
    const QPixmap &canvas() const { return m_canvas; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_canvas;
};

// A small push button in a board font that never takes the focus.
QPushButton *textButton(QWidget *parent, const layout::TextStyle &style);
// applyElement, and shows e's caption on the button.
void applyButton(QPushButton *w, const Element &e);
// A label on a light background, centred: a sign read at a glance.
BoardLabel *signLabel(QWidget *parent, const layout::TextStyle &style);
