#include "skin/paint/PaintGradient.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/PaintRows.h"

#include <algorithm>
#include <cstring>
#include <vector>

int GradientChannel(int c1, int c2, int k, int n)
{
    // (c1 × n + k × (c2 − c1)) / n lies between c1 and c2, so it is never negative.
    const long long num = static_cast<long long>(c1) * n + static_cast<long long>(k) * (c2 - c1);
    const long long q = num / n, rest = num % n;
    return int(q + (2 * rest > n || (2 * rest == n && (q & 1))));
}

namespace {

struct Band
{
    int start = 0;
    int end = 0; // inclusive
    PaintRgb from;
    PaintRgb to;
};

// The bands of the steps along one axis: [first, last] is the painted range, extent its
// length before clipping to the picture.
std::vector<Band> bandsFor(const TsGradArray& steps, int first, int last, int extent)
{
    std::vector<Band> bands;
    int pos = first;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int start = pos;
        const int percent = std::min<int>(steps[i].Percent, 100);
        pos = i + 1 == steps.size() ? last : std::min(start + percent * extent / 100, last);
        if (pos - start <= 0) {
            pos = start;
            continue;
        }
        bands.push_back({start, pos, ColorToRgb(steps[i].Color1), ColorToRgb(steps[i].Color2)});
    }
    return bands;
}

PaintRgb bandColor(const Band& band, int k)
{
    const int n = band.end - band.start;
    return {uint8_t(GradientChannel(band.from.r, band.to.r, k, n)), uint8_t(GradientChannel(band.from.g, band.to.g, k, n)),
            uint8_t(GradientChannel(band.from.b, band.to.b, k, n))};
}

void paintTopToBottom(Bitmap24& bitmap, const TsRect& r, const TsGradArray& steps)
{
    const std::size_t pixels = std::size_t(WidthOf(r));
    for (const Band& band : bandsFor(steps, r.Top, r.Bottom - 1, HeightOf(r))) {
        for (int y = band.start; y <= band.end; ++y) {
            const PaintRgb c = bandColor(band, y - band.start);
            FillRowSolid(bitmap.scanLine(y) + r.Left * 3, pixels, c.r, c.g, c.b);
        }
    }
}

void paintLeftToRight(Bitmap24& bitmap, const TsRect& r, const TsGradArray& steps)
{
    // Every row is the same: paint the first one, copy it to the others.
    uint8_t* first = bitmap.scanLine(r.Top);
    const std::vector<Band> bands = bandsFor(steps, r.Left, r.Right - 1, WidthOf(r));
    if (bands.empty())
        return;
    for (const Band& band : bands) {
        for (int x = band.start; x <= band.end; ++x) {
            const PaintRgb c = bandColor(band, x - band.start);
            uint8_t* p = first + x * 3;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    }
    const int left = bands.front().start;
    const std::size_t bytes = std::size_t(bands.back().end - left + 1) * 3;
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::memcpy(bitmap.scanLine(y) + left * 3, first + left * 3, bytes);
}

} // namespace

void PaintGradient(Bitmap24& bitmap, TsRect rect, const TsGradArray& steps)
{
    const TsRect r = rect.intersected(RectOfSize(bitmap.width(), bitmap.height()));
    if (steps.empty() || r.isEmpty())
        return;
    if (steps.front().Mode == 0)
        paintTopToBottom(bitmap, r, steps);
    else if (steps.front().Mode == 1)
        paintLeftToRight(bitmap, r, steps);
}
