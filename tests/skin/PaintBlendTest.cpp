// Every mixing and copying routine against a short per-pixel version of its formula,
// over random pictures and clip rectangles inside, across and outside the pictures.
#include "PaintTestSupport.h"

#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/TsParentCache.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace painttest;

namespace {

constexpr int kRounds = 150;

struct Sizes { int w, h; };
const Sizes kSizes[] = {{1, 1}, {3, 2}, {17, 9}, {75, 25}, {97, 13}};

PaintRgb rgbOf(uint32_t c) { return {uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t((c >> 16) & 0xFF)}; }
int channelOf(uint32_t colour, int c) { const PaintRgb rgb = rgbOf(colour); return c == 0 ? rgb.b : c == 1 ? rgb.g : rgb.r; }

// A plain per-pixel copy or mix of src into dst: every source pixel of the clipped source
// rectangle whose destination lies inside dst gets f(dstChannel..., srcPixel...).
template <typename PixelFn>
void referencePlace(Bitmap24& dst, int dstX, int dstY, const Bitmap24& src, TsRect srcRect, PixelFn fn)
{
    for (int sy = std::max(srcRect.Top, 0); sy < std::min(srcRect.Bottom, src.height()); ++sy)
        for (int sx = std::max(srcRect.Left, 0); sx < std::min(srcRect.Right, src.width()); ++sx) {
            const int dx = dstX + sx - srcRect.Left, dy = dstY + sy - srcRect.Top;
            if (inside(dst, dx, dy))
                fn(dx, dy, sx, sy);
        }
}

struct RandomCase
{
    Bitmap24 dst, src, before;
    TsRect rect;
    int x = 0, y = 0;
};

RandomCase makeCase(std::mt19937& rng, int round)
{
    const Sizes d = kSizes[round % 5], s = kSizes[(round / 5) % 5];
    RandomCase c;
    c.dst = randomPicture(rng, d.w, d.h);
    c.src = randomPicture(rng, s.w, s.h);
    addMagenta(rng, c.src, 4);
    c.rect = randomRect(rng, s.w, s.h);
    std::uniform_int_distribution<int> px(-s.w - 2, d.w + 2), py(-s.h - 2, d.h + 2);
    c.x = px(rng);
    c.y = py(rng);
    return c;
}

// Runs the row kernels on the baseline path for odd rounds, dispatched for even ones.
struct PathForRound
{
    explicit PathForRound(int round) { PaintRowsUseBaselineOnly(round % 2 == 1); }
    ~PathForRound() { PaintRowsUseBaselineOnly(false); }
};

} // namespace

TEST(PaintBlend, BlendColorOverMatchesReferenceAndStaysInsideTheRectangle)
{
    std::mt19937 rng(1);
    for (int round = 0; round < kRounds; ++round) {
        const PathForRound path(round);
        RandomCase c = makeCase(rng, round);
        const TsRect rect = randomRect(rng, c.dst.width(), c.dst.height());
        const int keep = int(rng() % 101);
        const uint32_t colour = rng() & 0xFFFFFF;
        Bitmap24 expected = c.dst;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom)
                    for (int ch = 0; ch < 3; ++ch)
                        setChannel(expected, x, y, ch,
                                   roundHalfEven(keep * channel(c.dst, x, y, ch) + (100 - keep) * channelOf(colour, ch), 100));
        BlendColorOver(c.dst, rect, keep, colour);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintBlend, BlendBitmapOverMatchesReferenceForEqualAndUnequalBytes)
{
    std::mt19937 rng(2);
    for (int round = 0; round < kRounds; ++round) {
        const PathForRound path(round);
        RandomCase c = makeCase(rng, round);
        const uint32_t t = round % 3 == 0 ? rng() & 0xFFFFFF : (rng() & 0xFF) * 0x010101u;
        const int sum = int((t & 0xFF) + ((t >> 8) & 0xFF) + ((t >> 16) & 0xFF));
        Bitmap24 expected = c.dst;
        referencePlace(expected, c.x, c.y, c.src, c.rect, [&](int dx, int dy, int sx, int sy) {
            for (int ch = 0; ch < 3; ++ch) {
                const int s = channel(c.src, sx, sy, ch), d = channel(c.dst, dx, dy, ch);
                setChannel(expected, dx, dy, ch, roundHalfEven(s * 768LL + (d - s) * (long long)sum, 768));
            }
        });
        BlendBitmapOver(c.dst, c.src, t, c.x, c.y, c.rect);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintBlend, BlendBitmapsMixesOnlyPicturesOfEqualSize)
{
    std::mt19937 rng(3);
    for (int round = 0; round < 40; ++round) {
        const PathForRound path(round);
        Bitmap24 dst = randomPicture(rng, 5 + round, 3 + round % 7), src = randomPicture(rng, 5 + round, 3 + round % 7);
        const int level = int(rng() % 1000) - 100; // only the low byte counts
        Bitmap24 expected = dst;
        for (int y = 0; y < dst.height(); ++y)
            for (int x = 0; x < dst.width(); ++x)
                for (int ch = 0; ch < 3; ++ch) {
                    const int s = channel(src, x, y, ch), d = channel(dst, x, y, ch);
                    setChannel(expected, x, y, ch, roundHalfEven(s * 256LL + (d - s) * (level & 0xFF), 256));
                }
        BlendBitmaps(dst, src, level);
        ASSERT_TRUE(dst == expected) << "round " << round;
    }
    Bitmap24 a = randomPicture(rng, 4, 4), b = randomPicture(rng, 4, 5);
    const Bitmap24 before = a;
    BlendBitmaps(a, b, 128);
    EXPECT_TRUE(a == before);
}

TEST(PaintBlend, BlendTransparentImageSkipsTheColourUnlessItIsASystemColour)
{
    std::mt19937 rng(4);
    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        const bool skipNone = round % 2 == 1;
        const uint32_t transparent = skipNone ? 0xFF000000 : 0xFF00FF;
        const double weight = round % 3 == 0 ? 0.5 : 0.4;
        Bitmap24 expected = c.dst;
        referencePlace(expected, c.x, c.y, c.src, c.rect, [&](int dx, int dy, int sx, int sy) {
            if (!skipNone && c.src.pixel(sx, sy) == 0xFF00FF)
                return;
            for (int ch = 0; ch < 3; ++ch) {
                const int s = channel(c.src, sx, sy, ch), d = channel(c.dst, dx, dy, ch);
                // weight 0.5 = 1/2 and 0.4 = 2/5 of the destination, as exact fractions
                const int value = weight == 0.5 ? roundHalfEven(s + d, 2) : roundHalfEven(3 * s + 2 * d, 5);
                setChannel(expected, dx, dy, ch, value);
            }
        });
        BlendTransparentImage(c.dst, c.x, c.y, transparent, weight, c.rect, c.src);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintCopy, CopiesMatchReferenceAndShowTheParentBehindMagenta)
{
    std::mt19937 rng(5);
    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        Bitmap24 parent = randomPicture(rng, 30, 30);
        TsParentCache cache{&parent, int(rng() % 20) - 5, int(rng() % 20) - 5, round % 2 == 0};

        Bitmap24 plain = c.dst, expectedPlain = c.dst;
        referencePlace(expectedPlain, c.x, c.y, c.src, c.rect,
                       [&](int dx, int dy, int sx, int sy) { expectedPlain.setPixel(dx, dy, c.src.pixel(sx, sy)); });
        CopyRect(plain, c.x, c.y, c.src, c.rect);
        ASSERT_TRUE(plain == expectedPlain) << "plain, round " << round;

        Bitmap24 piece = c.dst, expectedPiece = c.dst;
        referencePlace(expectedPiece, c.x, c.y, c.src, c.rect, [&](int dx, int dy, int sx, int sy) {
            if (c.src.pixel(sx, sy) != 0xFF00FF)
                expectedPiece.setPixel(dx, dy, c.src.pixel(sx, sy));
            else if (cache.Ready && inside(parent, cache.OffsetX + dx, cache.OffsetY + dy))
                expectedPiece.setPixel(dx, dy, parent.pixel(cache.OffsetX + dx, cache.OffsetY + dy));
        });
        CopyPieceTransparent(piece, c.src, c.x, cache, 0xFF00FF, c.rect, c.y);
        ASSERT_TRUE(piece == expectedPiece) << "transparent, round " << round;
    }
}

TEST(PaintCopy, CopyThroughMaskUsesTheSixteenBitFormulaInBothDrawModes)
{
    std::mt19937 rng(6);
    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        c.src = randomPicture(rng, 12, 10);
        addMagenta(rng, c.src, 5);
        c.rect = randomRect(rng, 12, 5);
        const int drawMode = round % 2 == 0 ? 1 : 0;
        Bitmap24 expected = c.dst;
        referencePlace(expected, c.x, c.y, c.src, c.rect, [&](int dx, int dy, int sx, int sy) {
            if (sy >= 5 || c.src.pixel(sx, sy) == 0xFF00FF)
                return;
            for (int ch = 0; ch < 3; ++ch) {
                int m = channel(c.src, sx, sy + 5, ch);
                if (drawMode != 1)
                    m = std::min(m + 100, 255);
                const int s = channel(c.src, sx, sy, ch), d = channel(c.dst, dx, dy, ch);
                const uint16_t sum = uint16_t((d - s) * m + s * 256);
                setChannel(expected, dx, dy, ch, sum >> 8);
            }
        });
        CopyThroughMask(c.dst, c.x, c.y, c.src, c.rect, 5, 5, drawMode, EmptyParentCache(), MagentaWithoutParent::Skip);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintCopy, MaskedCellCopyBlendsMagentaWithoutAReadyParent)
{
    Bitmap24 src(2, 2);
    src.setPixel(0, 0, 0xFF00FF);
    src.setPixel(1, 0, 0x102030);
    src.setPixel(0, 1, 0x000000); // mask 0: the picture shows
    src.setPixel(1, 1, 0xFFFFFF); // mask 255: the background almost shows
    Bitmap24 dst(2, 1);
    dst.fill(0x808080);
    Bitmap24 parent(4, 4);
    parent.fill(0x0000AA);

    Bitmap24 noParent = dst;
    MaskedCellCopy({0, 0, 2, 1}, {0, 0, 2, 1}, noParent, EmptyParentCache(), &src);
    EXPECT_EQ(noParent.pixel(0, 0), 0xFF00FFu);
    EXPECT_EQ(noParent.pixel(1, 0), 0x7F7F7Fu);

    Bitmap24 withParent = dst;
    const TsParentCache cache{&parent, 1, 1, true};
    MaskedCellCopy({0, 0, 2, 1}, {0, 0, 2, 1}, withParent, cache, &src);
    EXPECT_EQ(withParent.pixel(0, 0), 0x0000AAu);

    Bitmap24 untouched = dst;
    MaskedCellCopy({0, 0, 2, 1}, {0, 0, 2, 1}, untouched, cache, nullptr);
    EXPECT_TRUE(untouched == dst);
}

TEST(PaintCopy, TileRectCoversTheRectangleExactly)
{
    std::mt19937 rng(7);
    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        const TsRect rect = randomRect(rng, c.dst.width(), c.dst.height());
        const TsRect tile = c.rect.intersected({0, 0, c.src.width(), c.src.height()});
        Bitmap24 expected = c.dst;
        if (!tile.isEmpty())
            for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, c.dst.height()); ++y)
                for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, c.dst.width()); ++x) {
                    const int sx = tile.Left + (x - rect.Left) % WidthOf(tile);
                    const int sy = tile.Top + (y - rect.Top) % HeightOf(tile);
                    expected.setPixel(x, y, c.src.pixel(sx, sy));
                }
        TileRect(c.dst, rect, c.src, c.rect);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintCopy, TileRectReachingFarOutsideThePictureTilesOnlyWhatShows)
{
    // Regression: the loops walked every tile of the rectangle, so one reaching millions of
    // pixels outside the picture took seconds (or wrapped around at the far end).
    std::mt19937 rng(15);
    const Bitmap24 src = randomPicture(rng, 7, 5);
    const TsRect rects[] = {{-2000000003, -1000000001, 9, 6}, {2, 1, 2000000000, 2000000000},
                               {-2147483000, -2147483000, 2147483000, 2147483000}};
    for (const TsRect& rect : rects) {
        Bitmap24 dst(12, 8);
        TileRect(dst, rect, src, {0, 0, 7, 5});
        for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, 8); ++y)
            for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, 12); ++x) {
                const int sx = int((static_cast<long long>(x) - rect.Left) % 7);
                const int sy = int((static_cast<long long>(y) - rect.Top) % 5);
                ASSERT_EQ(dst.pixel(x, y), src.pixel(sx, sy)) << x << "," << y;
            }
    }
}

TEST(PaintBlend, GreyscaleAndFillAndColourRectFollowTheirFormulas)
{
    std::mt19937 rng(8);
    Bitmap24 grey = randomPicture(rng, 13, 7);
    const Bitmap24 original = grey;
    MakeGrayscale(grey);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) {
            const int v = (channel(original, x, y, 0) + channel(original, x, y, 1) + channel(original, x, y, 2)) / 3;
            ASSERT_EQ(grey.pixel(x, y), uint32_t(v * 0x010101));
        }

    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        const TsRect rect = randomRect(rng, c.dst.width(), c.dst.height());
        const uint32_t colour = rng() & 0xFFFFFF;
        const int percent = int(rng() % 101);
        Bitmap24 fill = c.dst, blend = c.dst, expectedFill = c.dst, expectedBlend = c.dst;
        const int k = percent * 255 / 100;
        for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, c.dst.height()); ++y)
            for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, c.dst.width()); ++x) {
                expectedFill.setPixel(x, y, colour);
                for (int ch = 0; ch < 3; ++ch) {
                    const int p = channel(c.dst, x, y, ch), col = channelOf(colour, ch);
                    setChannel(expectedBlend, x, y, ch, uint16_t(col * 255 + k * (p - col)) >> 8);
                }
            }
        FillRect(fill, rect, colour);
        BlendColorRect(blend, rect, percent, 0, 0, colour);
        ASSERT_TRUE(fill == expectedFill) << "fill, round " << round;
        ASSERT_TRUE(blend == expectedBlend) << "colour rect, round " << round;
    }
}

TEST(PaintBlend, ColourRectWithABorderGradesFromWhiteOutsideToThePercentInside)
{
    // Regression: the rings skipped a level (255, 204, 153, 102, then 0). Border 4 and
    // K = 0 give five rings in even steps, 204 153 102 51 0, and the centre at K.
    Bitmap24 picture(20, 20);
    picture.fill(0xFFFFFF);
    BlendColorRect(picture, {0, 0, 20, 20}, 0, 0, 4, 0x000000);
    const int rings[] = {204, 153, 102, 51, 0, 0};
    for (int i = 0; i < 6; ++i) {
        const uint32_t grey = uint32_t((rings[i] * 255) >> 8) * 0x010101u; // (0 × 255 + m × 255) div 256
        EXPECT_EQ(picture.pixel(i, 10), grey) << "ring " << i;
        EXPECT_EQ(picture.pixel(19 - i, 10), grey) << "ring " << i;
    }
    EXPECT_EQ(picture.pixel(10, 10), 0x000000u);
    // With a radius the corners outside the outer ring stay white (mask 255).
    Bitmap24 rounded(20, 20);
    rounded.fill(0xFFFFFF);
    BlendColorRect(rounded, {0, 0, 20, 20}, 0, 6, 2, 0x000000);
    EXPECT_EQ(rounded.pixel(0, 0), 0xFEFEFEu);
    EXPECT_EQ(rounded.pixel(10, 10), 0x000000u);
}

TEST(PaintBlend, DisabledLookIsSixtyPercentParentOrHalfTheBackground)
{
    Bitmap24 parent(10, 10);
    parent.fill(0x000000);
    parent.setPixel(3, 4, 0x0000FF);
    Bitmap24 control(2, 2);
    control.fill(0xFFFFFF);
    const TsParentCache cache{&parent, 1, 2, true};
    ApplyDisabledEffect(control, dkBlended, 0x000000, 2, 2, cache);
    // 0.6 × parent + 0.4 × control: 0.4 × 255 = 102; red 0.6 × 255 + 102 = 255.
    EXPECT_EQ(control.pixel(1, 1), 0x666666u);
    EXPECT_EQ(control.pixel(0, 0), 0x6666FFu);

    Bitmap24 alone(2, 2);
    alone.fill(0x0000C8);
    ApplyDisabledEffect(alone, dkBlended | dkGrayed, 0x000000, 0, 0, EmptyParentCache());
    // Grey (200 / 3 = 66), then (0 × 255 + 127 × 66) div 256 = 32.
    EXPECT_EQ(alone.pixel(0, 0), 0x202020u);
}

TEST(PaintGradient, MatchesAPerPixelBandReference)
{
    std::mt19937 rng(9);
    for (int round = 0; round < kRounds; ++round) {
        RandomCase c = makeCase(rng, round);
        const TsRect rect = randomRect(rng, c.dst.width(), c.dst.height());
        TsGradArray steps;
        const int count = 1 + int(rng() % 4);
        const int mode = round % 7 == 6 ? 2 : round % 2;
        for (int i = 0; i < count; ++i)
            steps.push_back({TsColor(rng() & 0xFFFFFF), TsColor(rng() & 0xFFFFFF), uint8_t(rng() % 70), mode, 0});
        Bitmap24 expected = c.dst;
        const TsRect r = rect.intersected({0, 0, c.dst.width(), c.dst.height()});
        if (!r.isEmpty() && mode <= 1) {
            const bool down = mode == 0;
            const int first = down ? r.Top : r.Left, last = down ? r.Bottom - 1 : r.Right - 1;
            const int extent = down ? HeightOf(r) : WidthOf(r);
            int pos = first;
            for (int i = 0; i < count; ++i) {
                const int start = pos;
                pos = i + 1 == count ? last : std::min(start + steps[i].Percent * extent / 100, last);
                if (pos - start <= 0) {
                    pos = start;
                    continue;
                }
                const int n = pos - start;
                for (int k = 0; k <= n; ++k)
                    for (int across = down ? r.Left : r.Top; across < (down ? r.Right : r.Bottom); ++across)
                        for (int ch = 0; ch < 3; ++ch) {
                            const int c1 = channelOf(steps[i].Color1, ch), c2 = channelOf(steps[i].Color2, ch);
                            const int v = roundHalfEven(c1 * (long long)n + k * (long long)(c2 - c1), n);
                            setChannel(expected, down ? across : start + k, down ? start + k : across, ch, v);
                        }
            }
        }
        PaintGradient(c.dst, rect, steps);
        ASSERT_TRUE(c.dst == expected) << "round " << round;
    }
}

TEST(PaintGradient, ButtonGradientIntoSeventyFiveByTwentyFive)
{
    // G2 of the BUTTON section.
    const TsGradArray g2 = {{16777215, 11462640, 20, 0, 0}, {11462640, 9356501, 50, 0, 0},
                            {9356501, 12575726, 15, 0, 0}, {12575726, 7188167, 14, 0, 0},
                            {7188167, 7188167, 0, 0, 0}};
    Bitmap24 picture(75, 25);
    picture.fill(0x123456);
    PaintGradient(picture, {0, 0, 75, 25}, g2);
    EXPECT_EQ(picture.pixel(0, 0), 16777215u);
    EXPECT_EQ(picture.pixel(74, 0), 16777215u);
    // Row 5 ends the first step and is painted again as the first row of the second.
    EXPECT_EQ(picture.pixel(10, 5), 11462640u);
    // Steps: rows 0..5, 5..17 (50 × 25 div 100 = 12), 17..20, 20..23, last 23..24.
    EXPECT_EQ(picture.pixel(0, 17), 9356501u);
    EXPECT_EQ(picture.pixel(0, 23), 7188167u);
    EXPECT_EQ(picture.pixel(74, 24), 7188167u);
    for (int y = 0; y < 25; ++y)
        for (int x = 1; x < 75; ++x)
            ASSERT_EQ(picture.pixel(x, y), picture.pixel(0, y)) << "row " << y << " is one colour";
}

TEST(PaintGradient, StepsOverAHundredPercentStayInsideTheRectangle)
{
    const TsGradArray steps = {{0xFFFFFF, 0x000000, 100, 0, 0}, {0x0000FF, 0x0000FF, 100, 0, 0},
                               {0x00FF00, 0x00FF00, 0, 0, 0}};
    Bitmap24 picture(4, 20);
    picture.fill(0x123456);
    PaintGradient(picture, {0, 0, 4, 10}, steps);
    for (int y = 10; y < 20; ++y)
        ASSERT_EQ(picture.pixel(0, y), 0x123456u) << "row " << y;
}

TEST(PaintCopy, RowsWhoseMaskLiesBelowThePictureAreDrawnOpaque)
{
    // Regression: the check and radio glyphs of the program's skin reach below the master
    // bitmap; their lower picture rows have no mask and must still be drawn.
    Bitmap24 src(2, 3);
    src.fill(0x405060);
    src.setPixel(0, 2, 0xFFFFFF); // the mask of row 0 only
    src.setPixel(1, 2, 0xFFFFFF);
    Bitmap24 dst(2, 3);
    dst.fill(0x000000);
    CopyThroughMask(dst, 0, 0, src, {0, 0, 2, 3}, 2, 3, 1, EmptyParentCache(), MagentaWithoutParent::Skip);
    EXPECT_EQ(dst.pixel(0, 0), 0x000000u) << "mask 255: (0 × 255 + s) div 256 = 0";
    EXPECT_EQ(dst.pixel(0, 1), 0x405060u);
    EXPECT_EQ(dst.pixel(1, 2), 0xFFFFFFu);
}
