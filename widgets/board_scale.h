// The uniform scale of a board window. The 1024 x 768 design is drawn
// `factor` times as large with its top-left corner at `origin` of the window;
// every element is placed from its design rectangle through this one transform
// (applyElement), and widgets whose drawing depends on the size (pictures,
// fonts, lines) are told the factor.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

struct BoardScale {
    double factor = 1.0;
    QPoint origin;  // of the design's top-left corner in the window

    // A design rectangle in pixels of the same parent: each edge scaled and
    // rounded on its own, so neighbours stay edge to edge at any factor.
    QRect map(const QRectF &design) const;
    QRect boardRect() const;  // the whole design, in the window
};

// The largest uniform scale at which the design fits into a window of the
// given size, centred; the rest is the window's plain frame.
BoardScale fitBoardScale(QSize window);

// A window that shows a board: holds the scale its elements are placed by.
class BoardSurface : public QWidget {
public:
    using QWidget::QWidget;
    const BoardScale &boardScale() const { return m_scale; }

protected:
    void setBoardScale(const BoardScale &scale) { m_scale = scale; }

private:
    BoardScale m_scale;
};

// The board surface w lies on (w itself or one of its ancestors), or null.
const BoardSurface *surfaceOf(const QWidget *w);
// The factor that governs w: its board surface's, else 1.
double scaleFactorOf(const QWidget *w);

// A widget whose drawing depends on the scale. applyElement tells it the
// factor; any other widget placed by applyElement gets its font scaled.
class ScaledWidget {
public:
    virtual ~ScaledWidget() = default;
    virtual void setScaleFactor(double factor) = 0;
};

// Scales the font w had when it was first placed (its design font) by factor.
void scaleDesignFont(QWidget *w, double factor);
