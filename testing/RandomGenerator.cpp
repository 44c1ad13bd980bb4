#include "testing/RandomGenerator.h"

#include "ui/Globals.h"

namespace RandomGenerator {

int random(int n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<uint64_t>(RandSeed) * static_cast<uint64_t>(n)) >> 32);
}

void reseed(uint32_t seed)
{
    RandSeed = seed;
}

} // namespace RandomGenerator
