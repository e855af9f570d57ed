#include "widgets/board_widgets.h"

#include "widgets/artwork.h"
#include "widgets/board_font.h"

#include <QFontMetrics>

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

QRect elementRect(const Element &e)
{
    const int left = int(std::lround(e.Left));
    const int top = int(std::lround(e.Top));
    const int right = int(std::lround(e.Left + e.Width));
    const int bottom = int(std::lround(e.Top + e.Height));
    return QRect(left, top, qMax(0, right - left), qMax(0, bottom - top));
}

void applyElement(QWidget *w, const Element &e)
{
    const QRect r = elementRect(e);
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
    m_scaled = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_background.isValid())
        p.fillRect(rect(), m_background);
    if (m_picture.isNull())
        return;
    if (!m_stretch) {
        p.drawPixmap(0, 0, m_picture);
        return;
    }
    if (m_scaled.size() != size())
        m_scaled = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap(0, 0, m_scaled);
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

BoardLabel::BoardLabel(QWidget *parent, const layout::TextStyle &style, bool wrap) : QLabel(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setWordWrap(wrap);
    m_font = boardFont(style.face, style.points, style.bold);
    setFont(m_font);
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
    if (text() != shown) {
        setText(shown);
        fitWidth();
    }
}

void BoardLabel::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    fitWidth();
}

void BoardLabel::fitWidth()
{
    if (wordWrap())
        return;
    QFont f = m_font;
    const int needed = QFontMetrics(m_font).horizontalAdvance(text());
    if (needed > width() && width() > 0)
        f.setPixelSize(qMax(1, m_font.pixelSize() * width() / needed));
    if (font() != f)
        setFont(f);
}

void applyLabel(BoardLabel *w, const Element &e)
{
    applyElement(w, e);
    w->setCaption(e.Caption);
}

// ---- PictureArea ----

PictureArea::PictureArea(QWidget *parent, QSize size) : QWidget(parent), m_canvas(size)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_canvas.fill(Qt::white);
}

void PictureArea::drawPicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    QPainter p(&m_canvas);
    if (picture.size() == m_canvas.size())
        p.drawImage(0, 0, picture);
    else
        p.drawImage(m_canvas.rect(), picture);
    update();
}

void PictureArea::drawScript(const ScriptDraw &d)
{
    QPainter p(&m_canvas);
    const QFont font = boardFont(layout::kDisplayFace, d.Points);
    p.setFont(font);
    p.setPen(QColor::fromRgb(d.Colour));
    p.drawText(QPointF(d.X, d.Y + QFontMetricsF(font).ascent()), d.Text);
    update();
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_canvas);
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
