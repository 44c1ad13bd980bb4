// Skin text with contours, the embossed disabled look, ellipsis and the focus frame.
#include "PaintTestSupport.h"

#include "skin/SkinValues.h"
#include "skin/paint/PaintText.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace painttest;

namespace {

QFont testFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias); // exact colours, no blended edges
    return font;
}

// Where the text's pixels are when drawn alone, in white on black.
Bitmap24 glyphMask(const QString& text, unsigned format, TsRect rect, int w, int h)
{
    Bitmap24 mask(w, h);
    PaintCanvas canvas{mask, testFont(), 0};
    DrawContourText(canvas, text, true, {0xFFFFFF, kNoColor, kNoColor, kNoColor, kNoColor}, format, rect);
    int lit = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            lit += mask.pixel(x, y) == 0xFFFFFF;
    EXPECT_GT(lit, 20) << "the text was drawn";
    return mask;
}

struct Pass { int dx, dy; uint32_t colour; };

// The picture after drawing the mask once per pass, in order.
Bitmap24 composite(const Bitmap24& mask, uint32_t background, const std::vector<Pass>& passes)
{
    Bitmap24 out(mask.width(), mask.height());
    out.fill(background);
    for (const Pass& pass : passes)
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const int mx = x - pass.dx, my = y - pass.dy;
                if (inside(mask, mx, my) && mask.pixel(mx, my) == 0xFFFFFF)
                    out.setPixel(x, y, pass.colour);
            }
    return out;
}

TsSkinTables textSections()
{
    TsSkinTables t;
    TsGeneralData button;
    button.SectionName = "BUTTON";
    button.FontColor = parseFontColors("1258566 -1 -1 -1 -1");
    button.HotFontColor = parseFontColors("0 -1 -1 16777215 16777215");
    t.sections.push_back(button);
    TsGeneralData all;
    all.SectionName = "ALLSIDES";
    all.FontColor = parseFontColors("65280 255 16711680 16776960 16711935");
    t.sections.push_back(all);
    return t;
}

} // namespace

TEST(PaintText, ContoursAreDrawnLeftTopRightBottomThenTheText)
{
    TablesScope scope(textSections());
    const QString text = "Сдать";
    const TsRect area{0, 0, 80, 30};
    const Bitmap24 mask = glyphMask(text, TextCenter, area, 80, 30);
    struct Row { int section; bool hot; std::vector<Pass> passes; };
    const Row rows[] = {
        // The hot BUTTON text: right contour, bottom contour, then black text.
        {0, true, {{1, 0, 0xFFFFFF}, {0, 1, 0xFFFFFF}, {0, 0, 0x000000}}},
        {0, false, {{0, 0, 1258566}}},
        {1, false, {{-1, 0, 255}, {0, -1, 16711680}, {1, 0, 16776960}, {0, 1, 16711935}, {0, 0, 65280}}},
    };
    for (const Row& row : rows) {
        Bitmap24 picture(80, 30);
        picture.fill(0x808080);
        PaintCanvas canvas{picture, testFont(), 0};
        TsRect rect = area;
        DrawSkinText(ProcessTables(), canvas, text, true, row.hot, row.section, TextCenter, rect);
        EXPECT_TRUE(picture == composite(mask, 0x808080, row.passes)) << "section " << row.section;
    }
}

TEST(PaintText, DisabledTextIsEmbossedInSystemColours)
{
    TablesScope scope(textSections());
    const TsRect area{0, 0, 70, 24};
    const Bitmap24 mask = glyphMask("Выход", TextLeft, area, 70, 24);
    Bitmap24 picture(70, 24);
    picture.fill(0x808080);
    PaintCanvas canvas{picture, testFont(), 0};
    TsRect rect = area;
    DrawSkinText(ProcessTables(), canvas, "Выход", false, true, 0, TextLeft, rect);
    EXPECT_TRUE(picture == composite(mask, 0x808080, {{1, 1, ResolveColor(clSystemHighlight)},
                                                     {0, 0, ResolveColor(clSystemShadow)}}));
}

TEST(PaintText, InvalidSectionUsesTheCanvasFontColour)
{
    TablesScope scope(textSections());
    const TsRect area{0, 0, 70, 24};
    const Bitmap24 mask = glyphMask("Выход", TextLeft, area, 70, 24);
    Bitmap24 picture(70, 24);
    picture.fill(0x808080);
    PaintCanvas canvas{picture, testFont(), 0x00AA11};
    TsRect rect = area;
    DrawSkinText(ProcessTables(), canvas, "Выход", true, false, -1, TextLeft, rect);
    EXPECT_TRUE(picture == composite(mask, 0x808080, {{0, 0, 0x00AA11}}));
}

TEST(PaintText, RectangleBecomesThePlacedTextGrownByOnePixel)
{
    TablesScope scope(textSections());
    const QFont font = testFont();
    const QSize size = MeasureText(font, "Тест");
    ASSERT_GT(size.width(), 0);
    ASSERT_GT(size.height(), 0);
    struct Row { unsigned format; int left; };
    const Row rows[] = {{TextLeft, 10}, {TextCenter, 10 + (100 - size.width()) / 2}, {TextRight, 110 - size.width()}};
    for (const Row& row : rows) {
        Bitmap24 picture(120, 40);
        PaintCanvas canvas{picture, font, 0};
        TsRect rect{10, 5, 110, 35};
        DrawSkinText(ProcessTables(), canvas, "Тест", true, false, 0, row.format, rect);
        const int dy = (30 - size.height()) / 2;
        EXPECT_EQ(rect, (TsRect{row.left - 1, 5 + dy - 1, row.left + size.width() + 1, 35 - dy + 1}))
            << "format " << row.format;
    }
    Bitmap24 picture(120, 40);
    PaintCanvas canvas{picture, font, 0};
    TsRect wrapped{10, 5, 110, 35};
    DrawSkinText(ProcessTables(), canvas, "Тест", true, false, 0, TextWordBreak, wrapped);
    EXPECT_EQ(wrapped, (TsRect{10, 5, 110, 35}));
    EXPECT_EQ(MeasureText(font, ""), QSize(0, 0));
}

TEST(PaintText, EllipsisShortensOnlyWhatDoesNotFit)
{
    Bitmap24 picture(1, 1);
    const PaintCanvas canvas{picture, testFont(), 0};
    const QFontMetrics metrics(canvas.font);
    const QString text = "Учебник по курсу";
    const int full = metrics.horizontalAdvance(text);
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, full), text);
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, full + 50), text);
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, 0), QString());
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, -5), QString());
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, 3), QString());
    const QString shortened = FitTextWithEllipsis(canvas, text, full / 2);
    ASSERT_TRUE(shortened.endsWith("..."));
    EXPECT_LE(metrics.horizontalAdvance(shortened), full / 2);
    const QString kept = shortened.chopped(3);
    EXPECT_TRUE(text.startsWith(kept));
    // One more character would not fit.
    EXPECT_GT(metrics.horizontalAdvance(text.left(kept.size() + 1) + "..."), full / 2);
}

TEST(PaintText, FocusFrameSetsEveryThirdPixelWithAWhiteOneUpAndLeft)
{
    Bitmap24 picture(20, 20);
    picture.fill(0x808080);
    PaintCanvas canvas{picture, testFont(), 0};
    DrawFocusFrame(canvas, {3, 3, 12, 15});
    struct Row { int x, y; uint32_t colour; };
    const Row rows[] = {{3, 3, 0}, {6, 3, 0}, {12, 3, 0}, {3, 15, 0}, {9, 15, 0}, {3, 6, 0}, {12, 9, 0},
                        {2, 2, 0xFFFFFF}, {5, 2, 0xFFFFFF}, {5, 14, 0xFFFFFF}, {11, 5, 0xFFFFFF},
                        {4, 3, 0x808080}, {5, 3, 0x808080}, {7, 7, 0x808080}};
    for (const Row& row : rows)
        EXPECT_EQ(picture.pixel(row.x, row.y), row.colour) << row.x << "," << row.y;
    // Dots outside the picture are left out.
    DrawFocusFrame(canvas, {0, 0, 25, 25});
    EXPECT_EQ(picture.pixel(0, 0), 0u);
}

TEST(PaintText, MeasuringInAWidthBreaksWordsExpandsTabsAndKeepsEmptyTextEmpty)
{
    const QFont font = testFont();
    const QString text = QStringLiteral("Начать тестирование");
    const QSize oneLine = MeasureTextIn(font, text, 1000, TextCenter | TextWordBreak);
    const QSize narrow = MeasureTextIn(font, text, oneLine.width() / 2, TextCenter | TextWordBreak);
    EXPECT_EQ(oneLine, MeasureText(font, text));
    EXPECT_GE(narrow.height(), 2 * oneLine.height() - 1);
    // Words are never broken: the widest line is the longer word.
    const int longerWord = MeasureText(font, QStringLiteral("тестирование")).width();
    EXPECT_GE(narrow.width(), longerWord - 2);
    EXPECT_LE(narrow.width(), longerWord + 2);
    EXPECT_LT(narrow.width(), oneLine.width());
    EXPECT_EQ(MeasureTextIn(font, QString(), 100, TextWordBreak), QSize(0, 0));
    // A tab is wider expanded than as a single character's advance.
    const QString tabbed = QStringLiteral("a\tb");
    EXPECT_GT(MeasureTextIn(font, tabbed, 1000, TextWordBreak | TextExpandTabs).width(),
              MeasureTextIn(font, QStringLiteral("a b"), 1000, TextWordBreak).width());
}

TEST(PaintText, RightToLeftReadingPutsTheFirstLetterOnTheRight)
{
    auto drawn = [](unsigned format) {
        Bitmap24 picture(80, 16);
        picture.fill(0xFFFFFF);
        PaintCanvas canvas{picture, testFont(), 0};
        TsRect rect{0, 0, 80, 16};
        // "1." reads ".1" right to left: the dot moves to the left.
        DrawContourText(canvas, QStringLiteral("1."), true, {0, kNoColor, kNoColor, kNoColor, kNoColor},
                        format | TextWordBreak, rect);
        return picture;
    };
    EXPECT_FALSE(drawn(TextLeft) == drawn(TextLeft | TextRtlReading));
}
