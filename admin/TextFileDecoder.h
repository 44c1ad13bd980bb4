#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of a text file a teacher hands in into text: UTF-8 (with or without a
// byte-order mark), UTF-16 with its mark, and otherwise the Cyrillic Windows code page
// 1251, which older Russian editors still write.
namespace TextFileDecoder {

enum class Encoding { Utf8, Utf16, Windows1251 };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
};

Decoded decode(const QByteArray& bytes);
// Every byte stands for one character; the table is our own, so no codec library is needed.
QString fromWindows1251(const QByteArray& bytes);
// "UTF-8", "UTF-16", "Windows-1251".
QString name(Encoding encoding);

} // namespace TextFileDecoder
