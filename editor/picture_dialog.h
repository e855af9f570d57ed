// The editor's browse dialog: Qt's own file dialog (Korean on a Korean
// desktop) with one file type, "이미지화일" (JPEG, GIF, BMP and PNG files), that
// opens in the folder last used or the user's Pictures folder and shows a
// preview of the selected picture. Nothing in it can rename, delete or make files.
#pragma once

#include <QFileDialog>
#include <QString>

class QLabel;

inline const QString kPictureFolderKey = QStringLiteral("pictures/lastFolder");

class PictureDialog : public QFileDialog {
    Q_OBJECT
public:
    PictureDialog(QWidget *parent, const QString &startFolder);
    QLabel *preview() const { return m_preview; }

private:
    void showPreview(const QString &path);
    QLabel *m_preview;
};

// The last folder used while it exists, else the user's Pictures folder,
// else the home folder.
QString pictureStartFolder(const QString &lastUsed);

// Shows the dialog and keeps the chosen file's folder in the settings for the
// next time. Empty when the teacher cancels.
QString choosePictureFile(QWidget *parent);
