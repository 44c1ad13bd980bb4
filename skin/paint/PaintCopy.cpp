#include "skin/paint/PaintCopy.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/TsParentCache.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool isMagenta(const uint8_t* p) { return p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF; }

// The parent's pixel behind destination pixel (x, y), or null outside the parent picture.
const uint8_t* parentPixel(const TsParentCache& cache, int x, int y)
{
    const int px = cache.OffsetX + x, py = cache.OffsetY + y;
    if (px < 0 || py < 0 || px >= cache.Bitmap->width() || py >= cache.Bitmap->height())
        return nullptr;
    return cache.Bitmap->scanLine(py) + px * 3;
}

void copyParentPixel(uint8_t* d, const TsParentCache& cache, int x, int y)
{
    if (const uint8_t* p = parentPixel(cache, x, y))
        std::memcpy(d, p, 3);
}

} // namespace

void CopyRect(Bitmap24& dst, int dstX, int dstY, const Bitmap24& src, TsRect srcRect)
{
    const PaintPlacement place = PlaceRect(srcRect, src.width(), src.height(), dstX, dstY, dst.width(), dst.height());
    if (place.isEmpty())
        return;
    const std::size_t bytes = std::size_t(WidthOf(place.dst)) * 3;
    for (int row = 0; row < HeightOf(place.dst); ++row)
        std::memmove(dst.scanLine(place.dst.Top + row) + place.dst.Left * 3,
                     src.scanLine(place.srcTop + row) + place.srcLeft * 3, bytes);
}

void CopyTransparentImage(Bitmap24& dst, const Bitmap24& src, int dstX, TsColor transparentColour, int dstY)
{
    CopyPieceTransparent(dst, src, dstX, EmptyParentCache(), transparentColour,
                         RectOfSize(src.width(), src.height()), dstY);
}

void CopyPieceTransparent(Bitmap24& dst, const Bitmap24& src, int dstX, const TsParentCache& parentCache,
                          TsColor transparentColour, TsRect srcRect, int dstY)
{
    const PaintPlacement place = PlaceRect(srcRect, src.width(), src.height(), dstX, dstY, dst.width(), dst.height());
    if (place.isEmpty())
        return;
    const PaintRgb t = ColorToRgb(transparentColour);
    const bool showParent = parentCache.usable();
    const int width = WidthOf(place.dst);
    for (int row = 0; row < HeightOf(place.dst); ++row) {
        const int y = place.dst.Top + row;
        uint8_t* d = dst.scanLine(y) + place.dst.Left * 3;
        const uint8_t* s = src.scanLine(place.srcTop + row) + place.srcLeft * 3;
        for (int x = 0; x < width; ++x, d += 3, s += 3) {
            if (s[0] != t.b || s[1] != t.g || s[2] != t.r) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            } else if (showParent) {
                copyParentPixel(d, parentCache, place.dst.Left + x, y);
            }
        }
    }
}

void CopyThroughMask(Bitmap24& dst, int dstX, int dstY, const Bitmap24& src, TsRect srcRect, int maskOffset,
                     int pictureRows, int drawMode, const TsParentCache& parentCache, MagentaWithoutParent magenta)
{
    if (maskOffset < 0)
        return;
    // Source rows lie above pictureRows. A piece may reach below its picture (the glyphs
    // of the program's skin do): rows whose mask row is missing are drawn with mask 0,
    // that is opaque except for magenta.
    const int rows = std::min(pictureRows, src.height());
    const PaintPlacement place = PlaceRect(srcRect, src.width(), std::max(rows, 0), dstX, dstY, dst.width(), dst.height());
    if (place.isEmpty())
        return;
    const std::vector<uint8_t> noMask(std::size_t(WidthOf(place.dst)) * 3, 0);
    const bool showParent = parentCache.usable();
    const bool faint = drawMode != 1;
    const int width = WidthOf(place.dst);
    for (int row = 0; row < HeightOf(place.dst); ++row) {
        const int y = place.dst.Top + row;
        uint8_t* d = dst.scanLine(y) + place.dst.Left * 3;
        const uint8_t* s = src.scanLine(place.srcTop + row) + place.srcLeft * 3;
        const int maskRow = place.srcTop + row + maskOffset;
        const uint8_t* m = maskRow < src.height() ? src.scanLine(maskRow) + place.srcLeft * 3 : noMask.data();
        for (int x = 0; x < width; ++x, d += 3, s += 3, m += 3) {
            if (isMagenta(s)) {
                if (showParent)
                    copyParentPixel(d, parentCache, place.dst.Left + x, y);
                if (showParent || magenta == MagentaWithoutParent::Skip)
                    continue;
            }
            // d = ((d - s) * m + s * 256) div 256, kept in 16 bits; the sum is never negative
            for (int c = 0; c < 3; ++c) {
                const unsigned mask = faint ? std::min(m[c] + 100u, 255u) : m[c];
                d[c] = uint8_t(uint16_t(d[c] * mask + s[c] * (256 - mask)) >> 8);
            }
        }
    }
}

void MaskedCellCopy(TsRect dstRect, TsRect srcRect, Bitmap24& dst, const TsParentCache& parentCache,
                    const Bitmap24* src)
{
    if (src == nullptr || src->isNull())
        return;
    const int half = src->height() / 2;
    int width = std::min(WidthOf(dstRect), WidthOf(srcRect));
    int height = std::min(HeightOf(dstRect), HeightOf(srcRect));
    // A rectangle starting left of or above its picture loses its invisible part.
    const int cutX = std::max({0, -dstRect.Left, -srcRect.Left});
    const int cutY = std::max({0, -dstRect.Top, -srcRect.Top});
    width -= cutX;
    height -= cutY;
    if (width <= 0 || height <= 0)
        return;
    const TsRect source{srcRect.Left + cutX, srcRect.Top + cutY, srcRect.Left + cutX + width,
                           srcRect.Top + cutY + height};
    CopyThroughMask(dst, dstRect.Left + cutX, dstRect.Top + cutY, *src, source, half, half, 1, parentCache,
                    MagentaWithoutParent::Blend);
}

void TileRect(Bitmap24& dst, TsRect rect, const Bitmap24& src, TsRect srcRect)
{
    const TsRect tile = srcRect.intersected(RectOfSize(src.width(), src.height()));
    const int w = WidthOf(tile), h = HeightOf(tile);
    const TsRect area = rect.intersected(RectOfSize(dst.width(), dst.height()));
    if (w <= 0 || h <= 0 || area.isEmpty())
        return;
    // Only the tiles that reach into the picture: a rectangle reaching far outside costs nothing.
    const int firstY = int(rect.Top + (static_cast<long long>(area.Top) - rect.Top) / h * h);
    const int firstX = int(rect.Left + (static_cast<long long>(area.Left) - rect.Left) / w * w);
    for (int y = firstY; y < area.Bottom; y += h) {
        const int rowsHere = std::min(h, rect.Bottom - y);
        for (int x = firstX; x < area.Right; x += w) {
            const int colsHere = std::min(w, rect.Right - x);
            // CopyRect clips to dst; the area keeps the tiles inside rect as well.
            const TsRect piece{tile.Left, tile.Top, tile.Left + colsHere, tile.Top + rowsHere};
            CopyRect(dst, x, y, src, piece);
        }
    }
}

void FillRect(Bitmap24& dst, TsRect rect, TsColor colour)
{
    const TsRect r = rect.intersected(RectOfSize(dst.width(), dst.height()));
    if (r.isEmpty())
        return;
    const PaintRgb c = ColorToRgb(colour);
    const std::size_t bytes = std::size_t(WidthOf(r)) * 3;
    uint8_t* first = dst.scanLine(r.Top) + r.Left * 3;
    FillRowSolid(first, std::size_t(WidthOf(r)), c.r, c.g, c.b);
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::memcpy(dst.scanLine(y) + r.Left * 3, first, bytes);
}
