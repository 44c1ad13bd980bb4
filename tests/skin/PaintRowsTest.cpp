// The integer kernels against the exact real-number formulas, over every byte value
// and every factor, on both the AVX2 and the baseline path.
#include "PaintTestSupport.h"

#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintRows.h"

#include <gtest/gtest.h>

#include <vector>

using painttest::roundHalfEven;

namespace {

// Every (s, d) byte pair once, in rows of 65536 + 5 bytes so that vector tails run too.
struct AllPairs
{
    std::vector<uint8_t> s, d;
    AllPairs()
    {
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) {
                s.push_back(uint8_t(a));
                d.push_back(uint8_t(b));
            }
        for (int i = 0; i < 5; ++i) {
            s.push_back(uint8_t(250 + i));
            d.push_back(uint8_t(i * 7));
        }
    }
};

class BothPaths : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override { PaintRowsUseBaselineOnly(GetParam()); }
    void TearDown() override { PaintRowsUseBaselineOnly(false); }
};

} // namespace

TEST(PaintRows, RoundingHelpersEqualExactRounding)
{
    for (uint32_t n = 0; n <= 65408; ++n)
        ASSERT_EQ(int(RoundHalfEvenDiv256(n)), roundHalfEven(n, 256)) << n;
    for (uint32_t n = 0; n <= 25500; ++n)
        ASSERT_EQ(int(RoundHalfEvenDiv100(n)), roundHalfEven(n, 100)) << n;
}

TEST_P(BothPaths, MixRow256EqualsRoundedRealMixForEveryLevelAndByte)
{
    const AllPairs pairs;
    for (unsigned level = 0; level < 256; ++level) {
        std::vector<uint8_t> d = pairs.d;
        MixRow256(d.data(), pairs.s.data(), level, d.size());
        for (std::size_t i = 0; i < d.size(); ++i) {
            // s + (d - s) * level / 256, rounded half to even
            const int s = pairs.s[i], dst = pairs.d[i];
            ASSERT_EQ(d[i], roundHalfEven(s * 256LL + (dst - s) * (long long)level, 256))
                << "level " << level << " s " << s << " d " << dst;
        }
    }
}

TEST_P(BothPaths, MixRow768EqualsRoundedRealMixForEverySum)
{
    const AllPairs pairs;
    for (unsigned sum = 0; sum <= 765; ++sum) {
        std::vector<uint8_t> d = pairs.d;
        MixRow768(d.data(), pairs.s.data(), sum, d.size());
        for (std::size_t i = 0; i < d.size(); ++i) {
            const int s = pairs.s[i], dst = pairs.d[i];
            ASSERT_EQ(d[i], roundHalfEven(s * 768LL + (dst - s) * (long long)sum, 768))
                << "sum " << sum << " s " << s << " d " << dst;
        }
    }
}

TEST_P(BothPaths, MixColorRowEqualsRoundedRealMixForEveryKeepAndByte)
{
    // 256 + 3 pixels; pixel i has all channels i, so every (channel, colour) pair occurs.
    std::vector<uint8_t> row;
    for (int i = 0; i < 259; ++i)
        row.insert(row.end(), 3, uint8_t(i & 0xFF));
    for (unsigned keep = 0; keep <= 100; ++keep) {
        for (int c = 0; c < 256; ++c) {
            const uint8_t r = uint8_t(c), g = uint8_t(255 - c), b = uint8_t(c * 7);
            std::vector<uint8_t> d = row;
            MixColorRow(d.data(), d.size() / 3, keep, r, g, b);
            const int colour[3] = {b, g, r};
            for (std::size_t i = 0; i < d.size(); ++i) {
                // keep% of the channel and the rest of the colour, rounded half to even
                const int expected = roundHalfEven(keep * row[i] + (100 - keep) * colour[i % 3], 100);
                ASSERT_EQ(d[i], expected) << "keep " << keep << " byte " << i << " colour " << c;
            }
        }
    }
}


TEST(PaintRows, GradientChannelIsTheExactRoundedLinearValue)
{
    struct Row { int c1, c2, k, n, expected; };
    const Row rows[] = {{255, 176, 0, 5, 255}, {255, 176, 5, 5, 176}, {0, 255, 1, 2, 128}, {0, 1, 1, 2, 0},
                        {1, 2, 1, 2, 2}, {200, 10, 1, 3, 137}};
    for (const Row& row : rows)
        EXPECT_EQ(GradientChannel(row.c1, row.c2, row.k, row.n), row.expected) << row.c1 << " " << row.c2;
    // Regression: a tie reached by adding 1/6 three times is rounded to even, not up.
    EXPECT_EQ(GradientChannel(1, 0, 3, 6), 0);
    EXPECT_EQ(GradientChannel(2, 1, 3, 6), 2);
}

TEST_P(BothPaths, FillRowSolidWritesExactlyThePixels)
{
    for (std::size_t pixels : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(7), std::size_t(33),
                               std::size_t(1920)}) {
        std::vector<uint8_t> row(pixels * 3 + 6, 0xAA);
        FillRowSolid(row.data(), pixels, 1, 2, 3);
        for (std::size_t i = 0; i < pixels * 3; ++i)
            ASSERT_EQ(row[i], i % 3 == 0 ? 3 : i % 3 == 1 ? 2 : 1);
        for (std::size_t i = pixels * 3; i < row.size(); ++i)
            ASSERT_EQ(row[i], 0xAA);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, BothPaths, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Baseline" : "Dispatched"; });
