// Section fills, backgrounds over a parent, nine-cell borders and state frames, on
// section rows and pieces made by hand with the values of the program's skin.
#include "PaintTestSupport.h"

#include "skin/SkinValues.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintSharedState.h"
#include "skin/paint/TsParentCache.h"

#include <QPainter>
#include <QRegion>

#include <gtest/gtest.h>

using namespace painttest;

namespace {

const QString G1 = "5872819;8306902;25;1;0;8306902;13890042;25;1;0;13890042;10278635;24;1;0;10278635;5807808;25;1;0;5807808;5807808;0;1;0";
const QString G2 = "16777215;11462640;20;0;0;11462640;9356501;50;0;0;9356501;12575726;15;0;0;12575726;7188167;14;0;0;7188167;7188167;0;0;0";
const QString G3 = "16777215;11462640;20;0;0;11462640;16777215;50;0;0;16777215;12575726;15;0;0;12575726;7188167;14;0;0;7188167;7188167;0;0;0";

TsGeneralData section(const QString& name)
{
    TsGeneralData s;
    s.SectionName = name;
    s.GradientData = " ";
    return s;
}

TsMaskData piece(const QString& sectionName, const QString& property, TsRect r, int count, int maskType, int border)
{
    TsMaskData m;
    m.SectionName = sectionName;
    m.PropertyName = property;
    m.R = r;
    m.ImageCount = int16_t(count);
    m.MaskType = int16_t(maskType);
    m.BorderWidth = int16_t(border);
    return m;
}

enum Section { Button, MainMenu, Edit, Form, GroupBox, Half, Patterned, Plain };

TsSkinTables programSections()
{
    TsSkinTables t;
    std::mt19937 rng(42);
    t.masterBitmap = randomPicture(rng, 190, 410);
    addMagenta(rng, t.masterBitmap, 6);

    TsGeneralData button = section("BUTTON");
    button.Color = 13487565;
    button.GradientPercent = 100;
    button.GradientData = G2;
    button.Gradient = ParseGradientData(G2);
    button.HotGradientPercent = 100;
    button.HotGradientData = G3;
    button.HotGradient = ParseGradientData(G3);
    button.FontColor = parseFontColors("1258566 -1 -1 -1 -1");
    button.HotFontColor = parseFontColors("0 -1 -1 16777215 16777215");
    t.sections.push_back(button);

    TsGeneralData menu = section("MAINMENU");
    menu.Color = 15790320;
    menu.GradientPercent = 90;
    menu.GradientData = "16777215;10871025;99;1;0;10871025;10871025;0;1;0";
    menu.Gradient = ParseGradientData(menu.GradientData);
    menu.HotColor = 15790320;
    t.sections.push_back(menu);

    t.sections.push_back(section("EDIT"));

    TsGeneralData form = section("FORM");
    form.Color = 5283512;
    form.GradientPercent = 100;
    form.Gradient = ParseGradientData(G1);
    t.sections.push_back(form);

    TsGeneralData group = section("GROUPBOX");
    group.Color = 14215660;
    group.Transparency = 100;
    t.sections.push_back(group);

    TsGeneralData half = section("HALF");
    half.Color = 0x336699;
    half.Transparency = 50;
    t.sections.push_back(half);

    TsGeneralData patterned = section("PATTERNED");
    patterned.Color = 0x0000FF;
    patterned.ImagePercent = 40;
    patterned.GradientPercent = 30;
    patterned.Gradient = ParseGradientData(G2);
    t.sections.push_back(patterned);

    TsGeneralData plain = section("PLAIN");
    plain.Color = 0x00FF00;
    plain.HotColor = 0x0000FF;
    t.sections.push_back(plain);

    t.masks.push_back(piece("FORM", "BORDERSMASK", {96, 80, 129, 107}, 1, 0, 2));
    t.masks.push_back(piece("BUTTON", "BORDERSMASK", {24, 198, 78, 234}, 3, 1, 0));
    t.masks.push_back(piece("EDIT", "BORDERSMASK", {153, 0, 189, 36}, 1, 0, 0));
    t.masks.push_back(piece("PATTERNED", "PATTERN", {0, 62, 20, 80}, 1, 0, 0));
    t.masks.push_back(piece("GLOBALINFO", "BOXCHECKED", {99, 36, 144, 49}, 3, 0, 0));
    return t;
}

Bitmap24 filledPicture(int w, int h, uint32_t colour)
{
    Bitmap24 b(w, h);
    b.fill(colour);
    return b;
}

} // namespace

TEST(PaintSection, ButtonIsItsGradientAndHotIsTheOtherOne)
{
    TablesScope scope(programSections());
    Bitmap24 normal = filledPicture(75, 25, 0), hot = filledPicture(75, 25, 0), expected = filledPicture(75, 25, 0);
    PaintSectionBackground(ProcessTables(), Button, "BUTTON", EmptyParentCache(), normal, {}, {0, 0, 75, 25}, 0);
    PaintSectionBackground(ProcessTables(), Button, "BUTTON", EmptyParentCache(), hot, {}, {0, 0, 75, 25}, 2);
    EXPECT_EQ(normal.pixel(0, 0), 16777215u);
    EXPECT_EQ(normal.pixel(40, 5), 11462640u);
    EXPECT_EQ(normal.pixel(40, 24), 7188167u);
    PaintGradient(expected, {0, 0, 75, 25}, ParseGradientData(G3));
    EXPECT_TRUE(hot == expected);
}

TEST(PaintSection, MainMenuIsNinetyPercentGradientAndTenPercentColour)
{
    TablesScope scope(programSections());
    Bitmap24 painted = filledPicture(60, 20, 0), gradient = filledPicture(60, 20, 0);
    PaintSectionBackground(ProcessTables(), MainMenu, "MAINMENU", EmptyParentCache(), painted, {}, {0, 0, 60, 20}, 0);
    PaintGradient(gradient, {0, 0, 60, 20}, TsSkinData::instance().tables.sections[MainMenu].Gradient);
    const int colour[3] = {0xF0, 0xF0, 0xF0}; // 15790320
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(channel(painted, x, y, c), roundHalfEven(90 * channel(gradient, x, y, c) + 10 * colour[c], 100));
}

TEST(PaintSection, NoGradientAndNoImageIsAPlainFillOfTheStateColour)
{
    TablesScope scope(programSections());
    Bitmap24 picture = filledPicture(10, 6, 0x123456);
    PaintSectionBackground(ProcessTables(), Plain, "PLAIN", EmptyParentCache(), picture, {}, {2, 1, 8, 5}, 0);
    EXPECT_EQ(picture.pixel(2, 1), 0x00FF00u);
    EXPECT_EQ(picture.pixel(7, 4), 0x00FF00u);
    EXPECT_EQ(picture.pixel(8, 4), 0x123456u);
    EXPECT_EQ(picture.pixel(1, 1), 0x123456u);
    PaintSectionBackground(ProcessTables(), Plain, "PLAIN", EmptyParentCache(), picture, {}, {2, 1, 8, 5}, 1);
    EXPECT_EQ(picture.pixel(3, 3), 0x0000FFu);
    {
        const SharedParentColorScope parentColour(0xABCDEF);
        PaintSectionBackground(ProcessTables(), Plain, "PLAIN", EmptyParentCache(), picture, {}, {2, 1, 8, 5}, 0);
        EXPECT_EQ(picture.pixel(3, 3), 0xABCDEFu);
    }
    EXPECT_EQ(SharedParentColor(), kTransparentColor);
}

TEST(PaintSection, TransparencyShowsTheParentWhollyOrHalf)
{
    TablesScope scope(programSections());
    std::mt19937 rng(11);
    const Bitmap24 parent = randomPicture(rng, 50, 40);
    const TsParentCache cache{&parent, 3, 4, true};
    const QPoint offset(5, 6);

    Bitmap24 whole = filledPicture(20, 10, 0);
    PaintSectionBackground(ProcessTables(), GroupBox, "GROUPBOX", cache, whole, offset, {0, 0, 20, 10}, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(whole.pixel(x, y), parent.pixel(8 + x, 10 + y));

    Bitmap24 half = filledPicture(20, 10, 0);
    PaintSectionBackground(ProcessTables(), Half, "HALF", cache, half, offset, {0, 0, 20, 10}, 0);
    const int src[3] = {0x33, 0x66, 0x99}; // blue, green, red bytes of 0x336699
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            for (int c = 0; c < 3; ++c) {
                // src + (parent - src) * 127 / 256, rounded
                const int p = channel(parent, 8 + x, 10 + y, c);
                ASSERT_EQ(channel(half, x, y, c), roundHalfEven(src[c] * 256 + (p - src[c]) * 127, 256));
            }

    // Without a ready parent a transparent section is painted as if opaque.
    Bitmap24 opaque = filledPicture(4, 4, 0);
    PaintSectionBackground(ProcessTables(), Half, "HALF", EmptyParentCache(), opaque, offset, {0, 0, 4, 4}, 0);
    EXPECT_EQ(opaque.pixel(1, 1), 0x336699u);
}

TEST(PaintSection, PatternIsTiledAndTheGradientAndColourMixedOverIt)
{
    TablesScope scope(programSections());
    const TsSkinTables& t = TsSkinData::instance().tables;
    Bitmap24 painted = filledPicture(50, 30, 0);
    PaintSectionBackground(ProcessTables(), Patterned, "PATTERNED", EmptyParentCache(), painted, {}, {0, 0, 50, 30}, 0);
    Bitmap24 gradient = filledPicture(50, 30, 0);
    PaintGradient(gradient, {0, 0, 50, 30}, t.sections[Patterned].Gradient);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x)
            for (int c = 0; c < 3; ++c) {
                const int tile = channel(t.masterBitmap, x % 20, 62 + y % 18, c);
                const int g = channel(gradient, x, y, c);
                const int mixed = roundHalfEven(g * 256 + (tile - g) * 102, 256); // e = 40 × 255 div 100
                const int colour = c == 2 ? 255 : 0;
                ASSERT_EQ(channel(painted, x, y, c), roundHalfEven(70 * mixed + 30 * colour, 100)) << x << "," << y;
            }
}

TEST(PaintSection, InvalidSectionsAndRectanglesOutsideThePicturePaintNothing)
{
    TablesScope scope(programSections());
    Bitmap24 picture = filledPicture(10, 10, 0x010203);
    const Bitmap24 before = picture;
    PaintSectionBackground(ProcessTables(), -1, "NONE", EmptyParentCache(), picture, {}, {0, 0, 10, 10}, 0);
    PaintSectionBackground(ProcessTables(), 99, "NONE", EmptyParentCache(), picture, {}, {0, 0, 10, 10}, 0);
    PaintSectionWithBorders(ProcessTables(), Edit, "EDIT", EmptyParentCache(), picture, {}, {-1, 0, 10, 10}, 0, true);
    PaintSectionWithBorders(ProcessTables(), Edit, "EDIT", EmptyParentCache(), picture, {}, {0, 0, 11, 10}, 0, true);
    PaintScrollPart(ProcessTables(), Edit, 2, -1, picture, {}, {0, 0, 10, 11}, 0, true, EmptyParentCache(), "EDIT", -1);
    Bitmap24 none;
    PaintWholeSection(ProcessTables(), Edit, "EDIT", none, {}, 0, true, EmptyParentCache());
    EXPECT_TRUE(picture == before);
}

TEST(PaintBorder, FormBorderIsTwoPixelsWhateverItsCellSize)
{
    TablesScope scope(programSections());
    const TsMaskData& form = TsSkinData::instance().tables.masks[0];
    const std::vector<BorderCell> cells = BorderCells(form, {0, 0, 40, 30}, 0, true);
    for (const BorderCell& cell : cells) {
        EXPECT_NE(cell.kind, BorderCellKind::Centre);
        const bool horizontal = cell.dst.Top == 0 || cell.dst.Bottom == 30;
        const bool vertical = cell.dst.Left == 0 || cell.dst.Right == 40;
        EXPECT_TRUE(horizontal || vertical);
        if (horizontal) {
            EXPECT_EQ(HeightOf(cell.dst), 2);
        }
        if (vertical) {
            EXPECT_EQ(WidthOf(cell.dst), 2);
        }
    }
    Bitmap24 picture = filledPicture(40, 30, 0x010203);
    PaintWholeSection(ProcessTables(), Form, "FORM", picture, {}, 0, true, EmptyParentCache());
    Bitmap24 background = filledPicture(40, 30, 0x010203);
    PaintSectionBackground(ProcessTables(), Form, "FORM", EmptyParentCache(), background, {}, {0, 0, 40, 30}, 0);
    for (int y = 2; y < 28; ++y)
        for (int x = 2; x < 38; ++x)
            ASSERT_EQ(picture.pixel(x, y), background.pixel(x, y)) << "the centre keeps the background";
    // The top edge is a plain copy of the outer two rows of the top middle cell.
    EXPECT_EQ(picture.pixel(20, 0), TsSkinData::instance().tables.masterBitmap.pixel(96 + 11 + (20 - 2) % 11, 80));
}

TEST(PaintBorder, SmallRectanglesHalveTheBordersWithTheOddPixelOnTheFarSide)
{
    TsMaskData sixes = piece("X", "BORDERSMASK", {0, 0, 18, 18}, 1, 0, 0); // 6 × 6 cells
    struct Row { TsRect rect; int left, right, top, bottom; };
    const Row rows[] = {{{0, 0, 3, 20}, 1, 2, 6, 6}, {{0, 0, 20, 5}, 6, 6, 2, 3}, {{0, 0, 11, 11}, 5, 6, 5, 6},
                        {{0, 0, 12, 12}, 6, 6, 6, 6}, {{0, 0, 2, 2}, 1, 1, 1, 1}};
    for (const Row& row : rows) {
        const std::vector<BorderCell> cells = BorderCells(sixes, row.rect, 0, false);
        ASSERT_FALSE(cells.empty());
        const BorderCell& topLeft = cells.front();
        EXPECT_EQ(WidthOf(topLeft.dst), row.left) << WidthOf(row.rect);
        EXPECT_EQ(HeightOf(topLeft.dst), row.top);
        int right = 0, bottom = 0;
        for (const BorderCell& c : cells) {
            if (c.kind == BorderCellKind::Corner && c.dst.Right == row.rect.Right && c.dst.Bottom == row.rect.Bottom) {
                right = WidthOf(c.dst);
                bottom = HeightOf(c.dst);
            }
        }
        EXPECT_EQ(right, row.right) << WidthOf(row.rect);
        EXPECT_EQ(bottom, row.bottom) << HeightOf(row.rect);
    }
    EXPECT_TRUE(BorderCells(sixes, {0, 0, 1, 20}, 0, true).empty());
}

TEST(PaintBorder, CellsCoverTheRectangleExactlyForEveryKindOfPiece)
{
    std::mt19937 rng(12);
    TsMaskData own = piece("X", "BORDERSMASK", {}, 0, 0, 0);
    own.Bitmap = randomPicture(rng, 27, 18);
    const TsMaskData pieces[] = {piece("X", "B", {24, 198, 78, 234}, 3, 1, 0), piece("X", "B", {96, 80, 129, 107}, 1, 0, 2),
                                 piece("X", "B", {153, 0, 189, 36}, 1, 0, 0), piece("X", "B", {0, 0, 21, 69}, 1, 0, 3),
                                 own};
    for (int round = 0; round < 300; ++round) {
        const TsMaskData& p = pieces[round % 5];
        const int w = 2 + int(rng() % 70), h = 2 + int(rng() % 50), state = int(rng() % 5);
        const TsRect rect{int(rng() % 5), int(rng() % 5), 0, 0};
        const TsRect r{rect.Left, rect.Top, rect.Left + w, rect.Top + h};
        const bool fill = round % 2 == 0;
        std::vector<int> covered(std::size_t(w) * h, 0);
        for (const BorderCell& c : BorderCells(p, r, state, fill)) {
            ASSERT_EQ(WidthOf(c.dst), WidthOf(c.src));
            ASSERT_EQ(HeightOf(c.dst), HeightOf(c.src));
            for (int y = c.dst.Top; y < c.dst.Bottom; ++y)
                for (int x = c.dst.Left; x < c.dst.Right; ++x) {
                    ASSERT_TRUE(x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom);
                    ++covered[std::size_t(y - r.Top) * w + (x - r.Left)];
                }
        }
        const bool centreFilled = fill && !(p.ImageCount >= 1 && p.MaskType == 0 && p.BorderWidth != 0);
        // The border ring: the top-left corner gives the near widths, the bottom-right one the far.
        const std::vector<BorderCell> ring = BorderCells(p, r, state, false);
        int left = 0, top = 0, right = 0, bottom = 0;
        for (const BorderCell& c : ring) {
            if (c.kind != BorderCellKind::Corner)
                continue;
            if (c.dst.Left == r.Left && c.dst.Top == r.Top) {
                left = WidthOf(c.dst);
                top = HeightOf(c.dst);
            }
            if (c.dst.Right == r.Right && c.dst.Bottom == r.Bottom) {
                right = WidthOf(c.dst);
                bottom = HeightOf(c.dst);
            }
        }
        ASSERT_GT(left, 0);
        ASSERT_GT(right, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int cell = covered[std::size_t(y) * w + x];
                ASSERT_LE(cell, 1) << "round " << round << " overlap at " << x << "," << y;
                const bool inRing = x < left || y < top || x >= w - right || y >= h - bottom;
                if (centreFilled || inRing) {
                    ASSERT_EQ(cell, 1) << "round " << round << " gap at " << x << "," << y;
                } else {
                    ASSERT_EQ(cell, 0) << "round " << round << " centre painted at " << x << "," << y;
                }
            }
    }
}

TEST(PaintBorder, PaintingTouchesOnlyTheRectangleAndCopiesUnmaskedEdgesPlainly)
{
    TablesScope scope(programSections());
    std::mt19937 rng(13);
    const TsSkinTables& t = TsSkinData::instance().tables;
    TsMaskData own = piece("X", "BORDERSMASK", {}, 0, 0, 0);
    own.Bitmap = randomPicture(rng, 27, 18);
    addMagenta(rng, own.Bitmap, 5);
    const Bitmap24 parent = randomPicture(rng, 120, 90);
    for (int round = 0; round < 120; ++round) {
        const TsMaskData& p = round % 4 == 3 ? own : t.masks[std::size_t(round % 3)];
        Bitmap24 picture = randomPicture(rng, 60, 40);
        const Bitmap24 before = picture;
        const TsRect rect = randomRect(rng, 60, 40).intersected({0, 0, 60, 40});
        const TsParentCache cache{&parent, int(rng() % 30), int(rng() % 30), round % 2 == 0};
        PaintBorderMask(ProcessTables(), picture, rect, true, int(rng() % 4), p, cache);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                if (!(x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom)) {
                    ASSERT_EQ(picture.pixel(x, y), before.pixel(x, y)) << "round " << round;
                }
        if (&p == &t.masks[2]) {
            for (const BorderCell& c : BorderCells(p, rect, 0, true)) {
                if (c.kind != BorderCellKind::Corner) {
                    ASSERT_EQ(picture.pixel(c.dst.Left, c.dst.Top), t.masterBitmap.pixel(c.src.Left, c.src.Top));
                }
            }
        }
    }
}

TEST(PaintBorder, RegionLosesTheMagentaRunsOfAMaskedPiece)
{
    TsSkinTables tables;
    tables.masterBitmap = filledPicture(9, 18, 0x202020);
    // Top-left cell, row 0: two magenta pixels closed by a painted one; row 1: a run open
    // to the end of the cell's row.
    tables.masterBitmap.setPixel(0, 0, 0xFF00FF);
    tables.masterBitmap.setPixel(1, 0, 0xFF00FF);
    tables.masterBitmap.setPixel(2, 1, 0xFF00FF);
    for (int y = 9; y < 18; ++y)
        for (int x = 0; x < 9; ++x)
            tables.masterBitmap.setPixel(x, y, 0x000000); // mask 0: the picture shows
    tables.masks.push_back(piece("B", "BORDERSMASK", {0, 0, 9, 18}, 1, 1, 0));
    TablesScope scope(std::move(tables));
    const TsMaskData& p = TsSkinData::instance().tables.masks[0];

    Bitmap24 picture = filledPicture(12, 12, 0x999999);
    QRegion region(0, 0, 12, 12);
    PaintBorderMaskWithRegion(ProcessTables(), picture, region, true, 0, p);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(1, 0)));
    EXPECT_TRUE(region.contains(QPoint(2, 0)));
    EXPECT_FALSE(region.contains(QPoint(2, 1)));
    EXPECT_TRUE(region.contains(QPoint(1, 1)));
    EXPECT_EQ(picture.pixel(0, 0), 0x999999u) << "magenta leaves the picture";
    EXPECT_EQ(picture.pixel(2, 0), 0x202020u);
    EXPECT_EQ(picture.pixel(6, 6), 0x202020u);
}

TEST(PaintImagePiece, StateAboveTheLastFrameDrawsTheLastFrame)
{
    TablesScope scope(programSections());
    const TsMaskData& box = TsSkinData::instance().tables.masks[4]; // three frames of 15 × 13
    Bitmap24 five = filledPicture(20, 20, 0x111111), two = five, one = five;
    DrawImagePiece(ProcessTables(), five, 2, 3, 5, box, 1);
    DrawImagePiece(ProcessTables(), two, 2, 3, 2, box, 1);
    DrawImagePiece(ProcessTables(), one, 2, 3, 1, box, 1);
    EXPECT_TRUE(five == two);
    EXPECT_FALSE(five == one);
    const Bitmap24& master = TsSkinData::instance().tables.masterBitmap;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 15; ++x) {
            const uint32_t s = master.pixel(99 + 30 + x, 36 + y);
            ASSERT_EQ(two.pixel(2 + x, 3 + y), s == 0xFF00FF ? 0x111111u : s);
        }
}

TEST(PaintImagePiece, DrawModesOfUnmaskedAndMaskedPieces)
{
    TsSkinTables tables;
    tables.masterBitmap = Bitmap24(12, 8);
    // Three frames of 4 × 4 in the upper half, their masks in the lower half.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 12; ++x) {
            tables.masterBitmap.setPixel(x, y, 0x000000 + uint32_t(x * 16 + y));
            tables.masterBitmap.setPixel(x, y + 4, x < 8 ? 0x000000 : 0x646464);
        }
    tables.masterBitmap.setPixel(4, 0, 0xFF00FF);
    tables.masks.push_back(piece("X", "PLAIN", {0, 0, 12, 4}, 3, 0, 0));
    tables.masks.push_back(piece("X", "MASKED", {0, 0, 12, 8}, 3, 1, 0));
    TablesScope scope(std::move(tables));
    const TsSkinTables& t = TsSkinData::instance().tables;
    struct Row { const char* name; int piece, state, drawMode, x, y; uint32_t expected; };
    const Row rows[] = {
        {"plain copy skips magenta", 0, 1, 1, 0, 0, 0x808080},
        {"plain copy of frame 1", 0, 1, 1, 1, 2, uint32_t(5 * 16 + 2)},
        {"other draw mode: half of the frame, half of the background", 0, 1, 0, 1, 2,
         uint32_t(roundHalfEven(0x80 + (5 * 16 + 2), 2)) | 0x404000u},
        {"other draw mode skips magenta too", 0, 1, 0, 0, 0, 0x808080},
        {"mask 0 shows frame 1", 1, 1, 1, 1, 2, uint32_t(5 * 16 + 2)},
        {"mask 100 of frame 2 in draw mode 1", 1, 2, 1, 0, 0, uint32_t((0x80 * 100 + (8 * 16) * 156) >> 8) | 0x323200u},
        {"faint draw mode adds 100 to the mask", 1, 2, 0, 0, 0, uint32_t((0x80 * 200 + (8 * 16) * 56) >> 8) | 0x646400u},
    };
    for (const Row& row : rows) {
        Bitmap24 picture = filledPicture(4, 4, 0x808080);
        DrawImagePiece(ProcessTables(), picture, 0, 0, row.state, t.masks[std::size_t(row.piece)], row.drawMode);
        EXPECT_EQ(picture.pixel(row.x, row.y), row.expected) << row.name;
    }
}

TEST(PaintImagePiece, FramesOfOwnPicturesAndPartsLeftOfThePictureAreCut)
{
    std::mt19937 rng(14);
    TsMaskData own = piece("X", "GLYPH", {}, 0, 0, 0);
    own.Bitmap = randomPicture(rng, 9, 6); // frames 3 × 3, mask rows 3..5
    for (int y = 3; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            own.Bitmap.setPixel(x, y, 0x000000);
    own.Bitmap.setPixel(3, 0, 0x102030);
    Bitmap24 picture = filledPicture(5, 5, 0x444444);
    DrawImagePiece(ProcessTables(), picture, -1, 0, 1, own, 1);
    EXPECT_EQ(picture.pixel(0, 0), own.Bitmap.pixel(4, 0));
    EXPECT_EQ(picture.pixel(1, 1), own.Bitmap.pixel(5, 1));
    EXPECT_EQ(picture.pixel(2, 0), 0x444444u);
    TsMaskData nothing = piece("X", "GLYPH", {}, 0, 0, 0);
    const Bitmap24 before = picture;
    DrawImagePiece(ProcessTables(), picture, 0, 0, 0, nothing, 1);
    DrawImagePiece(ProcessTables(), picture, 0, 0, 0, -1, 1);
    EXPECT_TRUE(picture == before);
}

TEST(PaintSection, ScrollPartsUseTheGivenPiecesAndNeverJpegPatterns)
{
    TablesScope scope(programSections());
    Bitmap24 byName = filledPicture(30, 20, 0), byIndex = filledPicture(30, 20, 0), none = filledPicture(30, 20, 0);
    PaintSectionWithBorders(ProcessTables(), Patterned, "PATTERNED", EmptyParentCache(), byName, {}, {0, 0, 30, 20}, 0, true);
    PaintScrollPart(ProcessTables(), Patterned, -1, 3, byIndex, {}, {0, 0, 30, 20}, 0, true, EmptyParentCache(), "PATTERNED", -1);
    EXPECT_TRUE(byIndex == byName);
    // Without a pattern piece the image share is the plain colour, mixed like the rest.
    PaintScrollPart(ProcessTables(), Patterned, -1, -1, none, {}, {0, 0, 30, 20}, 0, true, EmptyParentCache(), "PATTERNED", -1);
    EXPECT_FALSE(none == byName);
    // With a border index the border is painted over the background.
    Bitmap24 bordered = filledPicture(30, 20, 0);
    PaintScrollPart(ProcessTables(), Patterned, 2, 3, bordered, {}, {0, 0, 30, 20}, 0, true, EmptyParentCache(), "PATTERNED", -1);
    const Bitmap24& master = TsSkinData::instance().tables.masterBitmap;
    EXPECT_EQ(bordered.pixel(15, 0), master.pixel(153 + 12 + (15 - 12) % 12, 0));
}

TEST(PaintSection, ToDcPaintsTheWholeSectionAtTheRectangleCorner)
{
    TablesScope scope(programSections());
    Bitmap24 expected = filledPicture(40, 20, 0);
    PaintWholeSection(ProcessTables(), Edit, "EDIT", expected, {}, 0, true, EmptyParentCache());
    QImage target(60, 40, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter dc(&target);
    PaintSectionToDC(ProcessTables(), Edit, "EDIT", EmptyParentCache(), dc, {}, {10, 5, 50, 25}, 0, true);
    PaintSectionToDC(ProcessTables(), Edit, "EDIT", EmptyParentCache(), dc, {}, {-1, 5, 50, 25}, 0, true);
    dc.end();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(target.pixelColor(10 + x, 5 + y), ToQColor(expected.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(target.pixelColor(9, 5), QColor(Qt::black));
}
