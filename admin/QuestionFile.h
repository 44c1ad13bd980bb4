#pragma once

#include "admin/BankFileTypes.h"
#include "admin/TextFileDecoder.h"

#include <QByteArray>
#include <QString>

// A question file as the teacher hands it in: its bytes decoded, its format told apart
// (".gift" files, and other files whose text has braces but no "ANSWER:" line, are GIFT;
// the rest Aiken), and its questions read.
namespace QuestionFile {

enum class Format { Aiken, Gift };

struct Parsed {
    Format format = Format::Aiken;
    TextFileDecoder::Encoding encoding = TextFileDecoder::Encoding::Utf8;
    ImportResult result;
};

Parsed parse(const QString& fileName, const QByteArray& bytes);
Format detect(const QString& fileName, const QString& text);
QString formatName(Format format);

} // namespace QuestionFile
