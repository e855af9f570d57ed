#include "editor/picture_dialog.h"

#include "core/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QStandardPaths>

namespace {
const QSize kPreviewSize(220, 180);
const QString kNoPreview = QStringLiteral("미리 보기");
}  // namespace

PictureDialog::PictureDialog(QWidget *parent, const QString &startFolder)
    : QFileDialog(parent, QStringLiteral("열기"), startFolder), m_preview(new QLabel(kNoPreview))
{
    setOption(QFileDialog::DontUseNativeDialog);  // the preview lives in Qt's own dialog
    setOption(QFileDialog::ReadOnly);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Cameras name their files in capitals.
    setNameFilter(QStringLiteral("이미지화일 (*.jpg *.jpeg *.gif *.bmp *.png *.JPG *.JPEG *.GIF *.BMP *.PNG)"));
    m_preview->setFixedSize(kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setStyleSheet(QStringLiteral("background: white; color: gray;"));
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_preview, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    connect(this, &QFileDialog::currentChanged, this, &PictureDialog::showPreview);
    resize(860, 480);  // room for the file list beside the preview
}

void PictureDialog::showPreview(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (QFileInfo(path).isFile() && size.isValid())
        reader.setScaledSize(size.scaled(kPreviewSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage img = QFileInfo(path).isFile() ? reader.read() : QImage();
    if (img.isNull()) {
        m_preview->setPixmap({});
        m_preview->setText(kNoPreview);
    } else {
        m_preview->setPixmap(QPixmap::fromImage(img));
    }
}

QString pictureStartFolder(const QString &lastUsed)
{
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isDir())
        return lastUsed;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString choosePictureFile(QWidget *parent)
{
    const auto settings = openSettings();
    PictureDialog dialog(parent, pictureStartFolder(settings->value(kPictureFolderKey).toString()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    settings->setValue(kPictureFolderKey, QFileInfo(path).absolutePath());
    return path;
}
