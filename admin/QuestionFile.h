#pragma once

#include "admin/BankFileTypes.h"
#include "admin/TextFileDecoder.h"

#include <QByteArray>
#include <QString>

// A question file as the teacher hands it in: its bytes decoded, its format told apart by
// its content, and its questions read. An XML document is the XML question format; a plain
// text is read both ways and is the format that finds more questions in it (a file saved
// as ".txt" may well be GIFT). When both find as many, the signs of each format decide,
// then the name (".gift").
namespace QuestionFile {

enum class Format { Aiken, Gift, MoodleXml };

struct Parsed {
    Format format = Format::Aiken;
    TextFileDecoder::Encoding encoding = TextFileDecoder::Encoding::Utf8;
    ImportResult result;
};

Parsed parse(const QString& fileName, const QByteArray& bytes);
// The format and what it reads from a decoded text.
Parsed parseText(const QString& fileName, const QString& text);
QString formatName(Format format);

} // namespace QuestionFile
