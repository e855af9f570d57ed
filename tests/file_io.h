// Whole files read and written by tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The file's bytes; empty when it cannot be read (a resource path works too).
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's content with bytes; false when not all were written.
inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
