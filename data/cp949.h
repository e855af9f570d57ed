// CP949 (Unified Hangul Code) <-> UTF-16 through iconv, the whole code page.
#pragma once

#include <QByteArray>
#include <QString>

// Bytes that are not valid CP949 become U+FFFD; decoding goes on after them.
QString decodeCp949(const QByteArray &bytes);

// Characters CP949 cannot hold are written as '?'.
QByteArray encodeCp949(const QString &text);

// True when every character of text survives encodeCp949.
bool cp949CanHold(const QString &text);
