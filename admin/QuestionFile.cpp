#include "admin/QuestionFile.h"

#include "admin/AikenFormat.h"
#include "admin/GiftFormat.h"
#include "admin/MoodleXmlFormat.h"

#include <QRegularExpression>

namespace QuestionFile {

namespace {

int count(const QRegularExpression& pattern, const QString& text)
{
    int found = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
        ++found;
    return found;
}

// When neither reading finds more questions: lines only one of the formats writes.
Format bySigns(const QString& fileName, const QString& text)
{
    static const QRegularExpression aiken(QStringLiteral("^\\s*ANSWER\\s*:\\s*\\S\\s*$"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression gift(QStringLiteral("^\\s*(?:::|\\$CATEGORY:)|[^\\\\][{}]"),
                                         QRegularExpression::MultilineOption);
    const int aikenSigns = count(aiken, text);
    const int giftSigns = count(gift, text);
    if (aikenSigns != giftSigns)
        return giftSigns > aikenSigns ? Format::Gift : Format::Aiken;
    return fileName.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive) ? Format::Gift : Format::Aiken;
}

} // namespace

Parsed parseText(const QString& fileName, const QString& text)
{
    Parsed parsed;
    if (MoodleXmlFormat::looksLikeXml(text)) {
        parsed.format = Format::MoodleXml;
        parsed.result = MoodleXmlFormat::parse(text);
        return parsed;
    }
    ImportResult aiken = AikenFormat::parse(text);
    ImportResult gift = GiftFormat::parse(text);
    if (aiken.questions.size() != gift.questions.size())
        parsed.format = gift.questions.size() > aiken.questions.size() ? Format::Gift : Format::Aiken;
    else
        parsed.format = bySigns(fileName, text);
    parsed.result = parsed.format == Format::Gift ? std::move(gift) : std::move(aiken);
    return parsed;
}

Parsed parse(const QString& fileName, const QByteArray& bytes)
{
    const TextFileDecoder::Decoded decoded = TextFileDecoder::decode(bytes);
    Parsed parsed = parseText(fileName, decoded.text);
    parsed.encoding = decoded.encoding;
    return parsed;
}

QString formatName(Format format)
{
    switch (format) {
    case Format::Gift: return QStringLiteral("GIFT");
    case Format::MoodleXml: return QStringLiteral("Moodle XML");
    case Format::Aiken: break;
    }
    return QStringLiteral("Aiken");
}

} // namespace QuestionFile
