#include "skin/SkinError.h"
#include "skin/SkinValues.h"

#include <gtest/gtest.h>

namespace {

constexpr TsColor N = kNoColor;

TEST(SkinValues, FontColorStrings)
{
    struct Row
    {
        const char* name;
        const char* text;
        TsFontColors expected;
    };
    const Row rows[] = {
        {"white contour right and below", "0 -1 -1 16777215 16777215", {0, N, N, 0xFFFFFF, 0xFFFFFF}},
        {"three words give defaults", "0 -1 -1", {0, N, N, N, N}},
        {"empty gives defaults", "", {0, N, N, N, N}},
        {"six words give defaults", "1 2 3 4 5 6", {0, N, N, N, N}},
        {"repeated blanks separate once", "  1258566   -1 -1  -1 -1 ", {1258566, N, N, N, N}},
        {"title hot colours", "15400959 18517 18517 -1 -1", {15400959, 18517, 18517, N, N}},
        {"tabs do not separate", "1\t2 3 4 5", {0, N, N, N, N}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseFontColors(QString::fromUtf8(row.text)), row.expected) << row.name;
}

TEST(SkinValues, FontColorWordThatIsNoNumberThrows)
{
    EXPECT_THROW(parseFontColors(QStringLiteral("0 -1 x -1 -1")), SkinError);
}

TEST(SkinValues, GradientStrings)
{
    struct Step
    {
        TsColor c1, c2;
        int percent, mode;
    };
    struct Row
    {
        const char* name;
        const char* text;
        std::vector<Step> steps;
    };
    const Row rows[] = {
        {"two steps left to right", "16777215;10871025;99;1;0;10871025;10871025;0;1;0",
         {{16777215, 10871025, 99, 1}, {10871025, 10871025, 0, 1}}},
        {"seven words make one step", "1;2;30;0;0;5;6", {{1, 2, 30, 0}}},
        {"percent above 100 is 100", "1;2;150;0;0", {{1, 2, 100, 0}}},
        {"negative percent is 0", "1;2;-5;0;0", {{1, 2, 0, 0}}},
        {"fifth word may hold anything", "1;2;3;0;not a number at all", {{1, 2, 3, 0}}},
        {"runs of separators count once", ";;1;;2;3;;1;x;;", {{1, 2, 3, 1}}},
        {"one blank is no gradient", " ", {}},
        {"empty is no gradient", "", {}},
        {"four words are no step", "1;2;3;4", {}},
    };
    for (const Row& row : rows) {
        const TsGradArray steps = ParseGradientData(QString::fromUtf8(row.text));
        ASSERT_EQ(steps.size(), row.steps.size()) << row.name;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(steps[i].Color1, row.steps[i].c1) << row.name;
            EXPECT_EQ(steps[i].Color2, row.steps[i].c2) << row.name;
            EXPECT_EQ(steps[i].Percent, row.steps[i].percent) << row.name;
            EXPECT_EQ(steps[i].Mode, row.steps[i].mode) << row.name;
            EXPECT_EQ(steps[i].Reserved, 0) << row.name;
        }
    }
}

TEST(SkinValues, GradientWordThatIsNoNumberThrows)
{
    for (const char* text : {"x;2;3;0;0", "1;2;3;zero;0", "1;2;3;0;0;a;2;3;0;0", "1;2;99999999999;0;0"})
        EXPECT_THROW(ParseGradientData(QString::fromUtf8(text)), SkinError) << text;
    // The words of an incomplete trailing group are never read.
    EXPECT_EQ(ParseGradientData(QStringLiteral("1;2;3;0;0;x;y")).size(), 1u);
}

TEST(SkinValues, Integers)
{
    struct Row
    {
        const char* text;
        std::optional<int32_t> expected;
    };
    const Row rows[] = {
        {"0", 0},
        {"  42 ", 42},
        {"-1", -1},
        {"+7", 7},
        {"$FF", 255},
        {"0x10", 16},
        {"0XfF", 255},
        {"$FFFFFFFF", -1},
        {"$FF00000F", int32_t(0xFF00000F)},
        {"2147483647", 2147483647},
        {"-2147483648", int32_t(-2147483647 - 1)},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"12a", std::nullopt},
        {"--1", std::nullopt},
        {"1.5", std::nullopt},
        {"clWhite", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseSkinInteger(QString::fromUtf8(row.text)), row.expected) << row.text;
}

} // namespace
