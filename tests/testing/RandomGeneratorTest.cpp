#include "ui/Globals.h"
#include "testing/RandomGenerator.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, FirstTwentyDrawsBelowOneHundredFromStateZero)
{
    RandomGenerator::reseed(0);
    const int expected[] = {1, 4, 87, 21, 28, 68, 32, 17, 38, 43, 9, 48, 8, 85, 6, 30, 92, 37, 78, 33};
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(RandomGenerator::random(100) + 1, expected[k]) << "slot " << k + 1;
}

TEST(RandomGenerator, BelowZeroOrOneIsAlwaysZeroButStillSteps)
{
    RandomGenerator::reseed(0);
    EXPECT_EQ(RandomGenerator::random(0), 0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(RandomGenerator::random(1), 0);
    EXPECT_EQ(RandSeed, 134775814u);
    EXPECT_EQ(RandomGenerator::random(-5), 0);
}
