#include "admin/QuestionFile.h"

#include "admin/AikenFormat.h"
#include "admin/GiftFormat.h"

#include <QRegularExpression>

namespace QuestionFile {

Format detect(const QString& fileName, const QString& text)
{
    if (fileName.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive))
        return Format::Gift;
    static const QRegularExpression answerLine(QStringLiteral("^\\s*ANSWER\\s*:"),
                                               QRegularExpression::CaseInsensitiveOption
                                                   | QRegularExpression::MultilineOption);
    if (answerLine.match(text).hasMatch())
        return Format::Aiken;
    return text.contains(u'{') ? Format::Gift : Format::Aiken;
}

Parsed parse(const QString& fileName, const QByteArray& bytes)
{
    const TextFileDecoder::Decoded decoded = TextFileDecoder::decode(bytes);
    Parsed parsed;
    parsed.encoding = decoded.encoding;
    parsed.format = detect(fileName, decoded.text);
    parsed.result = parsed.format == Format::Gift ? GiftFormat::parse(decoded.text) : AikenFormat::parse(decoded.text);
    return parsed;
}

QString formatName(Format format)
{
    return format == Format::Gift ? QStringLiteral("GIFT") : QStringLiteral("Aiken");
}

} // namespace QuestionFile
