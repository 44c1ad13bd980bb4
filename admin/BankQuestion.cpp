#include "admin/BankQuestion.h"

#include "admin/TextLines.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& storedOption()
{
    static const QRegularExpression pattern(QStringLiteral("^([A-E])[).](?:\\s+(.*))?$"));
    return pattern;
}

} // namespace

QString BankQuestion::key() const
{
    if (right < 0 || right >= kMaxOptions)
        return QString();
    return QString(QChar(char16_t(u'A' + right)));
}

QString BankQuestion::storedText() const
{
    QString stored = text;
    for (int i = 0; i < options.size(); ++i)
        stored += u'\n' + QChar(char16_t(u'A' + i)) + QStringLiteral(") ") + options.at(i);
    return stored;
}

std::optional<BankQuestion> BankQuestion::fromStored(const QString& text, const QString& key)
{
    QStringList lines = TextLines::split(text);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return std::nullopt;

    // The last line names the last option, so it says how many lines above are options.
    const QRegularExpressionMatch last = storedOption().match(lines.back().trimmed());
    if (!last.hasMatch())
        return std::nullopt;
    const int count = last.captured(1).at(0).unicode() - u'A' + 1;
    if (count < 2 || count >= lines.size())
        return std::nullopt;

    BankQuestion question;
    const qsizetype first = lines.size() - count;
    for (int i = 0; i < count; ++i) {
        const QRegularExpressionMatch option = storedOption().match(lines.at(first + i).trimmed());
        if (!option.hasMatch() || option.captured(1).at(0) != QChar(char16_t(u'A' + i)))
            return std::nullopt;
        const QString optionText = option.captured(2).trimmed();
        if (optionText.isEmpty())
            return std::nullopt;
        question.options << optionText;
    }
    question.text = lines.mid(0, first).join(u'\n').trimmed();
    if (question.text.isEmpty())
        return std::nullopt;

    const QString letter = key.trimmed();
    if (letter.size() != 1 || letter.at(0) < u'A' || letter.at(0) >= QChar(char16_t(u'A' + count)))
        return std::nullopt;
    question.right = letter.at(0).unicode() - u'A';
    return question;
}
