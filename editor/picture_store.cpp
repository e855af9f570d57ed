#include "editor/picture_store.h"

#include "editor/editor_layout.h"
#include "widgets/artwork.h"
#include "widgets/board_font.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVector>

namespace el = editor_layout;

namespace {

// Thumbnails are decoded at reduced size once per run.
QPixmap thumbnail(int index)
{
    static QVector<QPixmap> cache(kExampleCount);
    QPixmap &pm = cache[index];
    if (pm.isNull()) {
        const QSize size(el::kThumbSize, el::kThumbSize);
        QImageReader reader(exampleResourcePath(index));
        reader.setScaledSize(size);
        QImage img = reader.read();
        if (img.isNull())
            img = exampleImage(index);  // a placeholder, or nothing at all
        if (img.isNull()) {
            // Not built in: an empty grey tile keeps the grid readable.
            img = QImage(size, QImage::Format_RGB32);
            img.fill(QColor(0xE0, 0xE0, 0xE0));
            QPainter p(&img);
            p.setPen(QColor(0xA0, 0xA0, 0xA0));
            p.drawRect(0, 0, size.width() - 1, size.height() - 1);
        }
        pm = QPixmap::fromImage(img.size() == size
                                    ? img
                                    : img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return pm;
}

}  // namespace

ExampleThumb::ExampleThumb(int index, QWidget *parent) : QLabel(parent), m_index(index)
{
    setScaledContents(true);
}

void ExampleThumb::mousePressEvent(QMouseEvent *e)
{
    m_click.press(e);
}

void ExampleThumb::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_click.release(e, rect()))
        emit clicked(m_index);
}

PictureStore::PictureStore(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(el::kWhite));
    setPalette(pal);
    for (int i = 0; i < kExampleCount; ++i) {
        const el::Box b = el::IB_Img(i);
        m_thumbs[i] = new ExampleThumb(i, this);
        m_thumbs[i]->setGeometry(b.x, b.y, b.width, b.height);
        connect(m_thumbs[i], &ExampleThumb::clicked, this, &PictureStore::picked);
    }
    const el::Box c = el::StoreClose;
    m_close = new QPushButton(QString::fromUtf8(el::kStoreCloseText), this);
    m_close->setGeometry(c.x, c.y, c.width, c.height);
    m_close->setFont(boardFont(el::kFace, el::kSaveCancelFont.points, el::kSaveCancelFont.bold));
    m_close->setAutoDefault(false);
    m_close->setToolTip(QStringLiteral("그림창고 닫기 (Esc)"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureStore::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        hide();
        e->accept();
        return;
    }
    QFrame::keyPressEvent(e);
}

void PictureStore::setTitles(const QStringList &titles)
{
    for (int i = 0; i < kExampleCount && i < titles.size(); ++i)
        m_thumbs[i]->setToolTip(titles.at(i));
}

void PictureStore::showEvent(QShowEvent *e)
{
    if (!m_thumbsLoaded) {
        m_thumbsLoaded = true;
        for (int i = 0; i < kExampleCount; ++i)
            m_thumbs[i]->setPixmap(thumbnail(i));
    }
    QFrame::showEvent(e);
    setFocus();  // Escape reaches the store
}
