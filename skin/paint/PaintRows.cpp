#include "skin/paint/PaintRows.h"

#include "skin/paint/PaintSharedState.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define VESTRON_PAINT_X86 1
#include <immintrin.h>
#endif

namespace {

void mixRow256Scalar(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned level, std::size_t bytes)
{
    const uint32_t keepSource = 256 - level;
    for (std::size_t i = 0; i < bytes; ++i)
        d[i] = uint8_t(RoundHalfEvenDiv256(s[i] * keepSource + d[i] * level));
}

uint32_t colorAddend(unsigned keep, uint8_t channel) { return (100 - keep) * channel; }

void mixColorScalar(uint8_t* __restrict d, std::size_t bytes, std::size_t phase, unsigned keep,
                    const uint32_t add[3])
{
    std::size_t channel = phase % 3;
    for (std::size_t i = 0; i < bytes; ++i) {
        d[i] = uint8_t(RoundHalfEvenDiv100(d[i] * keep + add[channel]));
        channel = channel == 2 ? 0 : channel + 1;
    }
}

#ifdef VESTRON_PAINT_X86

// n / 256 rounded half to even, on 16-bit lanes.
inline __m128i roundDiv256(__m128i n)
{
    const __m128i bias = _mm_add_epi16(_mm_set1_epi16(127), _mm_and_si128(_mm_srli_epi16(n, 8), _mm_set1_epi16(1)));
    return _mm_srli_epi16(_mm_add_epi16(n, bias), 8);
}

std::size_t mixRow256Sse2(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned level, std::size_t bytes)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i ws = _mm_set1_epi16(short(256 - level));
    const __m128i wd = _mm_set1_epi16(short(level));
    std::size_t i = 0;
    for (; i + 16 <= bytes; i += 16) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(sv, zero), ws),
                                         _mm_mullo_epi16(_mm_unpacklo_epi8(dv, zero), wd));
        const __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(sv, zero), ws),
                                         _mm_mullo_epi16(_mm_unpackhi_epi8(dv, zero), wd));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(roundDiv256(lo), roundDiv256(hi)));
    }
    return i;
}

__attribute__((target("avx2"))) inline __m256i roundDiv256Avx2(__m256i n)
{
    const __m256i bias = _mm256_add_epi16(_mm256_set1_epi16(127),
                                          _mm256_and_si256(_mm256_srli_epi16(n, 8), _mm256_set1_epi16(1)));
    return _mm256_srli_epi16(_mm256_add_epi16(n, bias), 8);
}

__attribute__((target("avx2"))) std::size_t mixRow256Avx2(uint8_t* __restrict d, const uint8_t* __restrict s,
                                                           unsigned level, std::size_t bytes)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i ws = _mm256_set1_epi16(short(256 - level));
    const __m256i wd = _mm256_set1_epi16(short(level));
    std::size_t i = 0;
    for (; i + 32 <= bytes; i += 32) {
        const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(sv, zero), ws),
                                            _mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), wd));
        const __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(sv, zero), ws),
                                            _mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), wd));
        // Unpack and pack both work within 128-bit lanes, so the byte order comes back.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i),
                            _mm256_packus_epi16(roundDiv256Avx2(lo), roundDiv256Avx2(hi)));
    }
    return i;
}

// x = n + 49, n <= 25500: round half to even of n / 100 is (x + b) div 100 with b the
// lowest bit of x div 100 (that bit only matters at ties, where it is the parity of
// n div 100). Both divisions are a high multiply by 41944 and a shift by 6.
inline __m128i roundDiv100Biased(__m128i x)
{
    const __m128i m = _mm_set1_epi16(short(41944));
    const __m128i b = _mm_and_si128(_mm_srli_epi16(_mm_mulhi_epu16(x, m), 6), _mm_set1_epi16(1));
    return _mm_srli_epi16(_mm_mulhi_epu16(_mm_add_epi16(x, b), m), 6);
}

__attribute__((target("avx2"))) inline __m256i roundDiv100BiasedAvx2(__m256i x)
{
    const __m256i m = _mm256_set1_epi16(short(41944));
    const __m256i b = _mm256_and_si256(_mm256_srli_epi16(_mm256_mulhi_epu16(x, m), 6), _mm256_set1_epi16(1));
    return _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_add_epi16(x, b), m), 6);
}

// The addend (with the bias of 49) of every 16-bit lane after unpacking, for the three
// blocks after which the colour pattern repeats. Unpack works within 128-bit lanes: the
// low half takes bytes 0..7 and the high half bytes 8..15 of each 16-byte lane.
struct AddendPattern
{
    alignas(32) uint16_t lo[3][16];
    alignas(32) uint16_t hi[3][16];
};

AddendPattern makeAddendPattern(std::size_t blockBytes, const uint32_t add[3])
{
    AddendPattern p{};
    const std::size_t lanes = blockBytes / 2;
    for (std::size_t block = 0; block < 3; ++block) {
        for (std::size_t j = 0; j < lanes; ++j) {
            const std::size_t loByte = block * blockBytes + (j / 8) * 16 + j % 8;
            p.lo[block][j] = uint16_t(add[loByte % 3] + 49);
            p.hi[block][j] = uint16_t(add[(loByte + 8) % 3] + 49);
        }
    }
    return p;
}

inline __m128i mixColor16(__m128i dv, __m128i k, __m128i addLo, __m128i addHi)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(dv, zero), k), addLo);
    const __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(dv, zero), k), addHi);
    return _mm_packus_epi16(roundDiv100Biased(lo), roundDiv100Biased(hi));
}

std::size_t mixColorSse2(uint8_t* __restrict d, std::size_t bytes, unsigned keep, const AddendPattern& p)
{
    const __m128i k = _mm_set1_epi16(short(keep));
    __m128i lo[3], hi[3];
    for (int b = 0; b < 3; ++b) {
        lo[b] = _mm_load_si128(reinterpret_cast<const __m128i*>(p.lo[b]));
        hi[b] = _mm_load_si128(reinterpret_cast<const __m128i*>(p.hi[b]));
    }
    std::size_t i = 0;
    for (; i + 48 <= bytes; i += 48) {
        for (int b = 0; b < 3; ++b) {
            __m128i* at = reinterpret_cast<__m128i*>(d + i + 16 * b);
            _mm_storeu_si128(at, mixColor16(_mm_loadu_si128(at), k, lo[b], hi[b]));
        }
    }
    return i;
}

__attribute__((target("avx2"))) inline __m256i mixColor32(__m256i dv, __m256i k, __m256i addLo, __m256i addHi)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), k), addLo);
    const __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), k), addHi);
    return _mm256_packus_epi16(roundDiv100BiasedAvx2(lo), roundDiv100BiasedAvx2(hi));
}

__attribute__((target("avx2"))) std::size_t mixColorAvx2(uint8_t* __restrict d, std::size_t bytes, unsigned keep,
                                                          const AddendPattern& p)
{
    const __m256i k = _mm256_set1_epi16(short(keep));
    __m256i lo[3], hi[3];
    for (int b = 0; b < 3; ++b) {
        lo[b] = _mm256_load_si256(reinterpret_cast<const __m256i*>(p.lo[b]));
        hi[b] = _mm256_load_si256(reinterpret_cast<const __m256i*>(p.hi[b]));
    }
    std::size_t i = 0;
    for (; i + 96 <= bytes; i += 96) {
        for (int b = 0; b < 3; ++b) {
            __m256i* at = reinterpret_cast<__m256i*>(d + i + 32 * b);
            _mm256_storeu_si256(at, mixColor32(_mm256_loadu_si256(at), k, lo[b], hi[b]));
        }
    }
    return i;
}

bool detectAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

#endif

} // namespace

bool PaintRowsUseAvx2()
{
#ifdef VESTRON_PAINT_X86
    static const bool avx2 = detectAvx2();
    return avx2 && !PaintRowsBaselineOnly();
#else
    return false;
#endif
}

void PaintRowsUseBaselineOnly(bool baseline)
{
    SetPaintRowsBaselineOnly(baseline);
}

void MixRow256(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned level, std::size_t bytes)
{
    if (level == 0) {
        std::memcpy(d, s, bytes);
        return;
    }
    std::size_t done = 0;
#ifdef VESTRON_PAINT_X86
    done = PaintRowsUseAvx2() ? mixRow256Avx2(d, s, level, bytes) : mixRow256Sse2(d, s, level, bytes);
#endif
    mixRow256Scalar(d + done, s + done, level, bytes - done);
}

void MixRow768(uint8_t* __restrict d, const uint8_t* __restrict s, unsigned sum, std::size_t bytes)
{
    if (sum % 3 == 0) {
        MixRow256(d, s, sum / 3, bytes);
        return;
    }
    // n = s × 768 + (d − s) × sum, rounded half to even after dividing by 768.
    for (std::size_t i = 0; i < bytes; ++i) {
        const uint32_t n = s[i] * (768 - sum) + d[i] * sum;
        const uint32_t q = n / 768, rest = n % 768;
        d[i] = uint8_t(q + (rest > 384 || (rest == 384 && (q & 1))));
    }
}

void MixColorRows(uint8_t* first, std::ptrdiff_t stride, int rows, std::size_t pixels, unsigned keep, uint8_t r,
                  uint8_t g, uint8_t b)
{
    const std::size_t bytes = pixels * 3;
    if (keep >= 100 || rows <= 0)
        return;
    const uint32_t add[3] = {colorAddend(keep, b), colorAddend(keep, g), colorAddend(keep, r)};
#ifdef VESTRON_PAINT_X86
    const bool avx2 = PaintRowsUseAvx2();
    const AddendPattern pattern = makeAddendPattern(avx2 ? 32 : 16, add);
#endif
    for (int y = 0; y < rows; ++y) {
        uint8_t* d = first + y * stride;
        std::size_t done = 0;
#ifdef VESTRON_PAINT_X86
        done = avx2 ? mixColorAvx2(d, bytes, keep, pattern) : mixColorSse2(d, bytes, keep, pattern);
#endif
        mixColorScalar(d + done, bytes - done, done % 3, keep, add);
    }
}

#ifdef VESTRON_PAINT_X86
namespace {

// 32 pixels make 96 bytes, three 32-byte stores.
__attribute__((target("avx2"))) std::size_t fillRowSolidAvx2(uint8_t* d, std::size_t bytes, const uint8_t* block)
{
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 64));
    std::size_t i = 0;
    for (; i + 96 <= bytes; i += 96) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), a);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i + 32), b);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i + 64), c);
    }
    return i;
}

} // namespace
#endif

void FillRowSolid(uint8_t* d, std::size_t pixels, uint8_t r, uint8_t g, uint8_t b)
{
    // 32 pixels of the colour; the baseline path copies 48-byte pieces of it, which the
    // compiler turns into three vector stores.
    uint8_t block[96];
    for (int i = 0; i < 96; i += 3) {
        block[i] = b;
        block[i + 1] = g;
        block[i + 2] = r;
    }
    const std::size_t bytes = pixels * 3;
    std::size_t i = 0;
#ifdef VESTRON_PAINT_X86
    if (PaintRowsUseAvx2())
        i = fillRowSolidAvx2(d, bytes, block);
#endif
    for (; i + 48 <= bytes; i += 48)
        std::memcpy(d + i, block, 48);
    std::memcpy(d + i, block, bytes - i);
}

void ConvertRowToRgb32(uint32_t* __restrict d, const uint8_t* __restrict s, std::size_t pixels)
{
    if (pixels == 0)
        return;
    // One four-byte load per pixel; the last pixel is read byte by byte, since its fourth
    // byte may lie past the row.
    for (std::size_t i = 0; i + 1 < pixels; ++i) {
        uint32_t v;
        std::memcpy(&v, s + i * 3, 4);
        d[i] = v | 0xFF000000u;
    }
    const uint8_t* last = s + (pixels - 1) * 3;
    d[pixels - 1] = 0xFF000000u | uint32_t(last[2]) << 16 | uint32_t(last[1]) << 8 | last[0];
}
