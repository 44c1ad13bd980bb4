#pragma once

#include "skin/TsSkinData.h"
#include "skin/paint/Bitmap24.h"
#include "skin/paint/TsRect.h"

#include <cstdint>
#include <random>
#include <utility>

namespace painttest {

// round(num / den) with halves to even, exactly; den > 0, any sign of num.
inline int roundHalfEven(long long num, long long den)
{
    long long q = num / den, rest = num % den;
    if (rest < 0) {
        rest += den;
        --q;
    }
    return int(q + (2 * rest > den || (2 * rest == den && (q & 1))));
}

inline Bitmap24 randomPicture(std::mt19937& rng, int width, int height)
{
    Bitmap24 picture(width, height);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.scanLine(y);
        for (int x = 0; x < width * 3; ++x)
            row[x] = uint8_t(byte(rng));
    }
    return picture;
}

// Sprinkles magenta pixels over a picture (about one in `every`).
inline void addMagenta(std::mt19937& rng, Bitmap24& picture, int every)
{
    std::uniform_int_distribution<int> pick(0, every - 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (pick(rng) == 0)
                picture.setPixel(x, y, 0xFF00FF);
}

// Rectangles inside, across the edges of, and wholly outside a picture of the size.
inline TsRect randomRect(std::mt19937& rng, int width, int height)
{
    std::uniform_int_distribution<int> x(-width / 2 - 3, width + 3), y(-height / 2 - 3, height + 3);
    std::uniform_int_distribution<int> w(0, width + 4), h(0, height + 4);
    const int left = x(rng), top = y(rng);
    return {left, top, left + w(rng), top + h(rng)};
}

inline bool inside(const Bitmap24& b, int x, int y) { return x >= 0 && y >= 0 && x < b.width() && y < b.height(); }

inline uint8_t channel(const Bitmap24& b, int x, int y, int c) { return b.scanLine(y)[x * 3 + c]; }
inline void setChannel(Bitmap24& b, int x, int y, int c, int v) { b.scanLine(y)[x * 3 + c] = uint8_t(v); }

// The process-wide tables, which TablesScope fills for the painters under test.
inline const TsSkinTables& ProcessTables() { return TsSkinData::instance().tables; }

// Puts hand-made tables in place of the process-wide ones for one test.
class TablesScope
{
public:
    explicit TablesScope(TsSkinTables tables)
    {
        TsSkinData& data = TsSkinData::instance();
        m_saved = std::move(data.tables);
        m_savedReady = data.SkinReady;
        data.tables = std::move(tables);
        data.SkinReady = true;
    }
    ~TablesScope()
    {
        TsSkinData& data = TsSkinData::instance();
        data.tables = std::move(m_saved);
        data.SkinReady = m_savedReady;
    }
    TablesScope(const TablesScope&) = delete;
    TablesScope& operator=(const TablesScope&) = delete;

private:
    TsSkinTables m_saved;
    bool m_savedReady = false;
};

} // namespace painttest
