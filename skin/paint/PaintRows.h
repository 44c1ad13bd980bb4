#pragma once

#include <cstddef>
#include <cstdint>

// Row kernels of the painting routines. Callers clip: every pointer is valid for
// `bytes` bytes (or `pixels` × 3), and source and destination rows do not overlap.

// v (|v| < 2^51) rounded to an integer, halves to even: adding and taking away 1.5 × 2^52
// rounds in the default rounding mode without a library call per channel. Without
// -ffast-math the compiler keeps both operations.
inline double RoundHalfEven(double v)
{
    constexpr double shift = 6755399441055744.0;
    return (v + shift) - shift;
}

// Round half to even of n / 256 for 0 <= n <= 65408, as the vector code computes it.
inline uint32_t RoundHalfEvenDiv256(uint32_t n) { return (n + 127 + ((n >> 8) & 1)) >> 8; }

// Round half to even of n / 100 for 0 <= n <= 25500, as the vector code computes it.
inline uint32_t RoundHalfEvenDiv100(uint32_t n)
{
    const uint32_t x = n + 49;
    return ((x + (((x * 41944u) >> 22) & 1)) * 41944u) >> 22;
}

// d := rounded(s + (d - s) × level / 256), level 0..255.
void MixRow256(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned level, std::size_t bytes);

// d := rounded(s + (d - s) × sum / 768), sum 0..765 (three transparency bytes).
void MixRow768(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned sum, std::size_t bytes);

// Each channel := rounded(keep / 100 × channel + (1 − keep / 100) × colour), keep 0..100,
// on `rows` rows of `pixels` pixels, `stride` bytes apart, each starting at a pixel.
void MixColorRows(uint8_t* first, std::ptrdiff_t stride, int rows, std::size_t pixels, unsigned keep, uint8_t r,
                  uint8_t g, uint8_t b);
inline void MixColorRow(uint8_t* d, std::size_t pixels, unsigned keep, uint8_t r, uint8_t g, uint8_t b)
{
    MixColorRows(d, 0, 1, pixels, keep, r, g, b);
}

// `pixels` pixels of one colour.
void FillRowSolid(uint8_t* d, std::size_t pixels, uint8_t r, uint8_t g, uint8_t b);

// 24-bit B, G, R pixels to 32-bit 0xFFRRGGBB (QImage::Format_RGB32).
void ConvertRowToRgb32(uint32_t* __restrict d, const uint8_t* __restrict s, std::size_t pixels);

// Whether the AVX2 kernels are in use on this processor.
bool PaintRowsUseAvx2();
// Tests and benchmarks: run the baseline (SSE2) kernels even where AVX2 is there.
void PaintRowsUseBaselineOnly(bool baseline);
