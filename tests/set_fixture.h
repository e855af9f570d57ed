// A data folder in a temporary folder: the default set with two small
// pictures, and a listing of everything under the temporary folder, to show
// that an operation wrote nothing.
#pragma once

#include "data/datafiles.h"
#include "data/quiz_sets.h"
#include "tests/file_io.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

// A small picture file of the given format ("BMP", "JPG", "PNG").
inline QByteArray pictureBytes(const char *format, QColor colour = Qt::darkCyan)
{
    QImage img(24, 16, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

// Every file and folder under root with its size (folders: -1).
inline QMap<QString, qint64> listing(const QString &root)
{
    QMap<QString, qint64> out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        out.insert(info.filePath().mid(root.size()), info.isDir() ? -1 : info.size());
    }
    return out;
}

inline void writeSetFiles(const QString &folder, const QList<SetFile> &files)
{
    QDir().mkpath(folder + kPictureFolder);
    for (const SetFile &f : files)
        QVERIFY2(writeAll(folder + f.first, f.second), qPrintable(folder + f.first));
}

// The files of the set in folder, as SetFiles in the order of setFilePaths.
inline QList<SetFile> readSetFiles(const QString &folder)
{
    QList<SetFile> out;
    for (const QString &p : setFilePaths(folder))
        out.append({p, readAll(folder + p)});
    return out;
}

struct SetFixture {
    QTemporaryDir root;
    QString data = root.path() + QStringLiteral("/data/");
    QuizSets sets{data};
    // Quiz lines in CP949 with a Korean picture name, as the editor writes them.
    const QList<SetFile> defaults{
        {kQuizFileName, QByteArray("\xb9\xab\xc1\xf6\xb0\xb3;7\r\n\r\n")},
        {kPictureFileName, QByteArray("1.jpg;\xc7\xcf\xb4\xc3\r\n\r\n")},
        {QStringLiteral("img/1.jpg"), pictureBytes("BMP")},
        {QStringLiteral("img/바벨탑.png"), pictureBytes("PNG", Qt::yellow)},
    };

    SetFixture() { writeSetFiles(data, defaults); }
};
