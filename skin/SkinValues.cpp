#include "skin/SkinValues.h"

#include "skin/SkinError.h"

#include <QStringList>

#include <algorithm>

namespace {

int32_t wordToInteger(const QString& word, const char* what)
{
    const std::optional<int32_t> value = parseSkinInteger(word);
    if (!value) {
        throw SkinError(QStringLiteral("«%1» не является целым числом (%2)")
                            .arg(word, QString::fromLatin1(what)));
    }
    return *value;
}

} // namespace

std::optional<int32_t> parseSkinInteger(const QString& text)
{
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        negative = s.startsWith(QLatin1Char('-'));
        s.remove(0, 1);
    }
    int base = 10;
    if (s.startsWith(QLatin1Char('$'))) {
        s.remove(0, 1);
        base = 16;
    } else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        s.remove(0, 2);
        base = 16;
    }
    if (s.isEmpty() || s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+')))
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = s.toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const auto bits = static_cast<uint32_t>(negative ? 0u - uint32_t(magnitude) : uint32_t(magnitude));
        return static_cast<int32_t>(bits);
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull))
        return std::nullopt;
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
}

TsGradArray ParseGradientData(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    TsGradArray steps;
    const qsizetype count = words.size() / 5;
    steps.reserve(std::size_t(count));
    for (qsizetype k = 0; k < count; ++k) {
        TsGradientStep step;
        step.Color1 = TsColor(wordToInteger(words[5 * k], "цвет градиента"));
        step.Color2 = TsColor(wordToInteger(words[5 * k + 1], "цвет градиента"));
        // The percent is an 8-bit share of the extent: negative shares make no sense either.
        step.Percent = uint8_t(std::clamp(wordToInteger(words[5 * k + 2], "доля градиента"), 0, 100));
        step.Mode = wordToInteger(words[5 * k + 3], "режим градиента");
        steps.push_back(step);
    }
    return steps;
}

TsFontColors parseFontColors(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 5)
        return kDefaultFontColors;
    TsFontColors colors;
    for (int i = 0; i < 5; ++i)
        colors[std::size_t(i)] = TsColor(wordToInteger(words[i], "цвет текста"));
    return colors;
}
