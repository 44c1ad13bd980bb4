#pragma once

#include <cstdint>

// The process's pseudo-random generator (state in Globals: RandSeed, 0 at start).
// Each draw steps state := state * 134775813 + 1 (mod 2^32) and yields the upper 32 bits
// of state * n: a number from 0 to n - 1, and 0 when n is 0 or less.
namespace RandomGenerator {

int random(int n);
void reseed(uint32_t seed);

} // namespace RandomGenerator
