#include "data/TypedName.h"

#include <gtest/gtest.h>

namespace {

// cleanTrimmed() is clean() without the spaces at the ends.
TEST(TypedNameTest, DropsWhatCannotBeStoredOrSeen)
{
    const struct {
        const char* name;
        QString typed;
        QString clean;
    } rows[] = {
        {"plain", QStringLiteral("Петров"), QStringLiteral("Петров")},
        {"NUL from a paste", QStringLiteral("Пет") + QChar(0) + QStringLiteral("ров"), QStringLiteral("Петров")},
        {"zero-width space and joiner", QStringLiteral("Ив\u200Bан\u200Dов"), QStringLiteral("Иванов")},
        {"byte-order mark and soft hyphen", QStringLiteral("\uFEFFСи\u00ADдоров"), QStringLiteral("Сидоров")},
        {"tab and line break become spaces", QStringLiteral("Орлова\tА.\nВ."), QStringLiteral("Орлова А. В.")},
        {"decomposed ё composed", QStringLiteral("Фе\u0308доров"), QStringLiteral("Фёдоров")},
        {"only invisible", QString(QChar(0)) + QStringLiteral("\u200B\u2060"), QString()},
        {"spaces kept, then trimmed", QStringLiteral(" ИС-21 ") + QChar(7), QStringLiteral(" ИС-21 ")},
        {"a letter beyond the basic plane stays", QStringLiteral("A\U0001D400"), QStringLiteral("A\U0001D400")},
        {"a lone surrogate half goes", QStringLiteral("A") + QChar(0xD835), QStringLiteral("A")},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TypedName::clean(row.typed), row.clean) << row.name;
        EXPECT_EQ(TypedName::cleanTrimmed(row.typed), row.clean.trimmed()) << row.name;
    }
}

} // namespace
