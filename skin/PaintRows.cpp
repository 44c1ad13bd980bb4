#include "skin/PaintRows.h"

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
    for (std::size_t i = 0; i < bytes; ++i)
        d[i] = uint8_t(RoundHalfEvenDiv100(d[i] * keep + add[(i + phase) % 3]));
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

// n / 100 rounded half to even on 16-bit lanes (n <= 25500): q = (n + 50) / 100 through
// a high multiply, less one where n + 50 is an exact multiple and q is odd.
inline __m128i roundDiv100(__m128i n)
{
    const __m128i up = _mm_add_epi16(n, _mm_set1_epi16(50));
    const __m128i q = _mm_srli_epi16(_mm_mulhi_epu16(up, _mm_set1_epi16(short(41944))), 6);
    const __m128i rest = _mm_sub_epi16(up, _mm_mullo_epi16(q, _mm_set1_epi16(100)));
    const __m128i tie = _mm_cmpeq_epi16(rest, _mm_setzero_si128());
    return _mm_sub_epi16(q, _mm_and_si128(_mm_and_si128(tie, q), _mm_set1_epi16(1)));
}

__attribute__((target("avx2"))) inline __m256i roundDiv100Avx2(__m256i n)
{
    const __m256i up = _mm256_add_epi16(n, _mm256_set1_epi16(50));
    const __m256i q = _mm256_srli_epi16(_mm256_mulhi_epu16(up, _mm256_set1_epi16(short(41944))), 6);
    const __m256i rest = _mm256_sub_epi16(up, _mm256_mullo_epi16(q, _mm256_set1_epi16(100)));
    const __m256i tie = _mm256_cmpeq_epi16(rest, _mm256_setzero_si256());
    return _mm256_sub_epi16(q, _mm256_and_si256(_mm256_and_si256(tie, q), _mm256_set1_epi16(1)));
}

// The addend of the 16-bit lane that unpacking puts byte `byteIndex` of a block into.
struct AddendPattern
{
    alignas(32) uint16_t lo[3][16];
    alignas(32) uint16_t hi[3][16];
};

// Blocks of `blockBytes` bytes repeat the colour every three blocks. Lane j of the low
// half holds byte laneByte(j); within 128-bit lanes unpack takes bytes 0..7 (low) and
// 8..15 (high) of each 16-byte lane.
AddendPattern makeAddendPattern(std::size_t blockBytes, const uint32_t add[3])
{
    AddendPattern p{};
    const std::size_t lanes = blockBytes / 2;
    for (std::size_t block = 0; block < 3; ++block) {
        for (std::size_t j = 0; j < lanes; ++j) {
            const std::size_t lane128 = j / 8, within = j % 8;
            const std::size_t loByte = block * blockBytes + lane128 * 16 + within;
            p.lo[block][j] = uint16_t(add[loByte % 3]);
            p.hi[block][j] = uint16_t(add[(loByte + 8) % 3]);
        }
    }
    return p;
}

std::size_t mixColorSse2(uint8_t* __restrict d, std::size_t bytes, unsigned keep, const uint32_t add[3])
{
    const AddendPattern p = makeAddendPattern(16, add);
    const __m128i zero = _mm_setzero_si128();
    const __m128i k = _mm_set1_epi16(short(keep));
    std::size_t i = 0;
    for (std::size_t block = 0; i + 16 <= bytes; i += 16, block = block == 2 ? 0 : block + 1) {
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(dv, zero), k),
                                         _mm_load_si128(reinterpret_cast<const __m128i*>(p.lo[block])));
        const __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(dv, zero), k),
                                         _mm_load_si128(reinterpret_cast<const __m128i*>(p.hi[block])));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(roundDiv100(lo), roundDiv100(hi)));
    }
    return i;
}

__attribute__((target("avx2"))) std::size_t mixColorAvx2(uint8_t* __restrict d, std::size_t bytes, unsigned keep,
                                                          const uint32_t add[3])
{
    const AddendPattern p = makeAddendPattern(32, add);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i k = _mm256_set1_epi16(short(keep));
    std::size_t i = 0;
    for (std::size_t block = 0; i + 32 <= bytes; i += 32, block = block == 2 ? 0 : block + 1) {
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), k),
                                            _mm256_load_si256(reinterpret_cast<const __m256i*>(p.lo[block])));
        const __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), k),
                                            _mm256_load_si256(reinterpret_cast<const __m256i*>(p.hi[block])));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i),
                            _mm256_packus_epi16(roundDiv100Avx2(lo), roundDiv100Avx2(hi)));
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

namespace {
bool g_baselineOnly = false;
}

bool PaintRowsUseAvx2()
{
#ifdef VESTRON_PAINT_X86
    static const bool avx2 = detectAvx2();
    return avx2 && !g_baselineOnly;
#else
    return false;
#endif
}

void PaintRowsUseBaselineOnly(bool baseline)
{
    g_baselineOnly = baseline;
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

void MixColorRow(uint8_t* __restrict d, std::size_t pixels, unsigned keep, uint8_t r, uint8_t g, uint8_t b)
{
    const std::size_t bytes = pixels * 3;
    if (keep >= 100)
        return;
    const uint32_t add[3] = {colorAddend(keep, b), colorAddend(keep, g), colorAddend(keep, r)};
    std::size_t done = 0;
#ifdef VESTRON_PAINT_X86
    done = PaintRowsUseAvx2() ? mixColorAvx2(d, bytes, keep, add) : mixColorSse2(d, bytes, keep, add);
#endif
    mixColorScalar(d + done, bytes - done, done % 3, keep, add);
}

void FillRowSolid(uint8_t* d, std::size_t pixels, uint8_t r, uint8_t g, uint8_t b)
{
    if (pixels == 0)
        return;
    d[0] = b;
    d[1] = g;
    d[2] = r;
    // Double the painted part until the row is full: few calls, each a block copy.
    const std::size_t bytes = pixels * 3;
    std::size_t filled = 3;
    while (filled < bytes) {
        const std::size_t chunk = filled < bytes - filled ? filled : bytes - filled;
        std::memcpy(d + filled, d, chunk);
        filled += chunk;
    }
}
