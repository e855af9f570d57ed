#include "widgets/board_widgets.h"

#include "widgets/artwork.h"
#include "widgets/board_font.h"
#include "widgets/picture_crop.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

void applyElement(QWidget *w, const Element &e)
{
    const BoardSurface *surface = surfaceOf(w->parentWidget());
    const BoardScale scale = surface ? surface->boardScale() : BoardScale{};
    QRect r = scale.map(QRectF(e.Left, e.Top, e.Width, e.Height));
    if (surface && w->parentWidget() == surface)
        r.translate(scale.origin);
    if (auto *scaled = dynamic_cast<ScaledWidget *>(w))
        scaled->setScaleFactor(scale.factor);
    else
        scaleDesignFont(w, scale.factor);
    if (w->geometry() != r)
        w->setGeometry(r);
    if (w->isVisibleTo(w->parentWidget()) != e.Visible)
        w->setVisible(e.Visible);
}

// ---- PictureBox ----

PictureBox::PictureBox(QWidget *parent, const QPixmap &picture, bool stretch)
    : QWidget(parent), m_picture(picture), m_stretch(stretch)
{
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void PictureBox::setScaleFactor(double factor)
{
    if (factor == m_factor)
        return;
    m_factor = factor;
    update();
    // The picture for the new size is made ahead, so a panel that slides in
    // later does not wait for it.
    QTimer::singleShot(0, this, [this] { drawnPicture(); });
}

QPixmap PictureBox::drawnPicture() const
{
    if (m_picture.isNull())
        return {};
    const QSizeF drawn = m_stretch ? QSizeF(size()) : QSizeF(m_picture.size()) * m_factor;
    const qreal dpr = devicePixelRatioF();
    const QSize device(int(std::lround(drawn.width() * dpr)), int(std::lround(drawn.height() * dpr)));
    QPixmap pix = picturePixmapAt(m_picture, device);
    pix.setDevicePixelRatio(dpr);
    return pix;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_background.isValid())
        p.fillRect(rect(), m_background);
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, drawnPicture());
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    m_leftDown = e->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = e->button() == Qt::LeftButton && m_leftDown
                       && rect().contains(e->position().toPoint());
    m_leftDown = false;
    if (click)
        emit clicked();
}

// ---- BoardLabel ----

BoardLabel::BoardLabel(QWidget *parent, const layout::TextStyle &style, bool wrap) : QLabel(parent), m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setWordWrap(wrap);
    setFont(boardFont(style.face, style.points, style.bold));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(style.colour));
    setPalette(pal);
    Qt::Alignment h = style.align == layout::Align::Left    ? Qt::AlignLeft
                      : style.align == layout::Align::Right ? Qt::AlignRight
                                                            : Qt::AlignHCenter;
    setAlignment(h | Qt::AlignTop);
}

void BoardLabel::setCaption(const QString &caption)
{
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_caption != shown || text().isEmpty() != shown.isEmpty()) {
        m_caption = shown;
        refresh();
    }
}

void BoardLabel::setScaleFactor(double factor)
{
    if (factor == m_factor)
        return;
    m_factor = factor;
    refresh();
}

void BoardLabel::fitDownTo(double floorPoints)
{
    m_floor = floorPoints;
    refresh();
}

void BoardLabel::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    refresh();
}

void BoardLabel::refresh()
{
    const QFont design = boardFont(m_style.face, m_style.points * m_factor, m_style.bold);
    QFont f = design;
    QString shown = m_caption;
    if (m_floor > 0 && width() > 0) {
        // A pixel of slack: the label's own line breaking must find the same lines.
        const FitBox box{QSizeF(width() - 1, height()), wordWrap(), m_style.points, m_floor};
        const FittedText fitted = fitText(m_caption, box, boardLineMeasure(m_style.face, m_factor));
        m_fit = fitted.fit;
        f = boardFont(m_style.face, fitted.points * m_factor, m_style.bold);
        shown = fitted.joined();
    } else if (!wordWrap() && width() > 0) {
        const int needed = QFontMetrics(design).horizontalAdvance(m_caption);
        if (needed > width())
            f.setPixelSize(qMax(1, design.pixelSize() * width() / needed));
    }
    if (font() != f)
        setFont(f);
    if (text() != shown)
        setText(shown);
}

void applyLabel(BoardLabel *w, const Element &e)
{
    applyElement(w, e);
    w->setCaption(e.Caption);
}

// ---- PictureArea ----

PictureArea::PictureArea(QWidget *parent, QSize designSize) : QWidget(parent), m_designSize(designSize)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    render();
}

void PictureArea::drawPicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    m_picture = picture;
    m_script.clear();
    render();
}

void PictureArea::drawScript(const ScriptDraw &d)
{
    m_script.push_back(d);
    if (!m_dirty) {
        QPainter p(&m_canvas);
        paintScript(p, d);
    }
    update();
}

void PictureArea::setScaleFactor(double factor)
{
    if (factor == m_factor && m_canvas.devicePixelRatio() == devicePixelRatioF())
        return;
    m_factor = factor;
    render();
}

void PictureArea::render()
{
    // Rendered when next painted: a picture chosen under the covering tiles
    // costs nothing until it shows.
    m_dirty = true;
    update();
}

const QImage &PictureArea::canvas()
{
    if (m_dirty)
        renderNow();
    return m_canvas;
}

void PictureArea::renderNow()
{
    m_dirty = false;
    const qreal dpr = devicePixelRatioF();
    const QSizeF logical = QSizeF(m_designSize) * m_factor;
    QImage img(QSize(int(std::lround(logical.width() * dpr)), int(std::lround(logical.height() * dpr))),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        if (!m_picture.isNull()) {
            // Device pixels: the loader decodes the picture for them.
            if (m_picture.size() == img.size()) {
                p.drawImage(0, 0, m_picture);
            } else {
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(img.rect(), m_picture, centredCrop(m_picture.size(), img.size()));
            }
        }
        p.scale(dpr, dpr);
        for (const ScriptDraw &d : m_script)
            paintScript(p, d);
    }
    m_canvas = std::move(img);
    m_canvas.setDevicePixelRatio(dpr);
}

void PictureArea::paintScript(QPainter &p, const ScriptDraw &d) const
{
    // Text at the size shown: the font and the place scaled, not the picture.
    const QFont font = boardFont(layout::kDisplayFace, d.Points * m_factor);
    p.setFont(font);
    p.setPen(QColor::fromRgb(d.Colour));
    p.drawText(QPointF(d.X * m_factor, d.Y * m_factor + QFontMetricsF(font).ascent()), d.Text);
}

void PictureArea::paintEvent(QPaintEvent *)
{
    if (m_dirty)
        renderNow();
    QPainter p(this);
    p.drawImage(0, 0, m_canvas);
}

// ---- host controls ----

// A small push button with a board font that never takes the focus.
QPushButton *textButton(QWidget *parent, const layout::TextStyle &style)
{
    auto *button = new QPushButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(boardFont(style.face, style.points, style.bold));
    button->setCursor(handCursor());
    return button;
}

// A label on a light background: a sign the host reads at a glance.
BoardLabel *signLabel(QWidget *parent, const layout::TextStyle &style)
{
    auto *label = new BoardLabel(parent, style);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 240));
    label->setPalette(pal);
    return label;
}

void applyButton(QPushButton *w, const Element &e)
{
    applyElement(w, e);
    if (w->text() != e.Caption)
        w->setText(e.Caption);
}
