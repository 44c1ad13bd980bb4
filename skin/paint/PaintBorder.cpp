#include "skin/paint/PaintBorder.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/TsParentCache.h"
#include "skin/paint/TsSkinTables.h"

#include <QRegion>

#include <algorithm>

namespace {

enum class PieceSource { Master, MaskedMaster, OwnPicture };

PieceSource sourceOf(const TsMaskData& piece)
{
    if (piece.hasOwnPicture())
        return PieceSource::OwnPicture;
    return piece.MaskType >= 1 ? PieceSource::MaskedMaster : PieceSource::Master;
}

struct Borders
{
    int left = 0, right = 0, top = 0, bottom = 0;
};

// Near and far border for an extent: the cell, limited, or halves of a small extent.
void splitBorder(int extent, int cell, int limit, int& nearSide, int& farSide)
{
    nearSide = farSide = (limit > 0) ? std::min(cell, limit) : cell;
    if (extent < 2 * cell) {
        nearSide = extent / 2;
        farSide = nearSide + (extent % 2);
    }
}

// Whole cells from `from` while one fits before `to`, then one cut cell up to `to`.
template <typename Emit>
void tileSpan(int from, int to, int cell, Emit addCell)
{
    for (int pos = from; pos < to; pos += cell)
        addCell(pos, std::min(cell, to - pos));
}

} // namespace

std::vector<BorderCell> BorderCells(const TsMaskData& piece, TsRect rect, int state, bool fillCentre)
{
    std::vector<BorderCell> cells;
    if (WidthOf(rect) < 2 || HeightOf(rect) < 2)
        return cells;
    const PieceSource source = sourceOf(piece);
    int cw = 0, ch = 0, fx = 0, fy = 0, limit = 0;
    if (source == PieceSource::OwnPicture) {
        cw = piece.Bitmap.width() / 9;
        ch = piece.Bitmap.height() / 6;
        fx = state * 3 * cw;
    } else {
        if (piece.ImageCount < 1)
            return cells;
        const int frame = std::clamp(state, 0, piece.ImageCount - 1);
        cw = piece.R.width() / (piece.ImageCount * 3);
        ch = piece.R.height() / (std::max<int>(piece.MaskType, 0) * 3 + 3);
        fx = piece.R.Left + frame * piece.R.width() / piece.ImageCount;
        fy = piece.R.Top;
        limit = piece.BorderWidth;
    }
    if (cw <= 0 || ch <= 0)
        return cells;
    Borders b;
    splitBorder(WidthOf(rect), cw, limit, b.left, b.right);
    splitBorder(HeightOf(rect), ch, limit, b.top, b.bottom);

    const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    const int srcRight = fx + 3 * cw, srcBottom = fy + 3 * ch;
    auto corner = [&cells](TsRect dst, int sx, int sy) {
        cells.push_back({dst, {sx, sy, sx + WidthOf(dst), sy + HeightOf(dst)}, BorderCellKind::Corner});
    };
    auto horizontalEdge = [&](int y0, int y1, int sy) {
        tileSpan(L + b.left, R - b.right, cw, [&](int x, int w) {
            cells.push_back({{x, y0, x + w, y1}, {fx + cw, sy, fx + cw + w, sy + (y1 - y0)}, BorderCellKind::Edge});
        });
    };
    auto verticalEdge = [&](int x0, int x1, int sx) {
        tileSpan(T + b.top, B - b.bottom, ch, [&](int y, int h) {
            cells.push_back({{x0, y, x1, y + h}, {sx, fy + ch, sx + (x1 - x0), fy + ch + h}, BorderCellKind::Edge});
        });
    };

    corner({L, T, L + b.left, T + b.top}, fx, fy);
    verticalEdge(L, L + b.left, fx);
    horizontalEdge(T, T + b.top, fy);
    corner({L, B - b.bottom, L + b.left, B}, fx, srcBottom - b.bottom);
    horizontalEdge(B - b.bottom, B, srcBottom - b.bottom);
    corner({R - b.right, B - b.bottom, R, B}, srcRight - b.right, srcBottom - b.bottom);
    corner({R - b.right, T, R, T + b.top}, srcRight - b.right, fy);
    verticalEdge(R - b.right, R, srcRight - b.right);

    const bool centre = fillCentre && (source != PieceSource::Master || piece.BorderWidth == 0);
    if (centre) {
        tileSpan(T + b.top, B - b.bottom, ch, [&](int y, int h) {
            tileSpan(L + b.left, R - b.right, cw, [&](int x, int w) {
                cells.push_back({{x, y, x + w, y + h}, {fx + cw, fy + ch, fx + cw + w, fy + ch + h},
                                 BorderCellKind::Centre});
            });
        });
    }
    // Corners of zero size (a border limited to nothing) copy nothing; drop them.
    std::erase_if(cells, [](const BorderCell& c) { return c.dst.isEmpty(); });
    return cells;
}

void PaintBorderMask(const TsSkinTables& tables, Bitmap24& bitmap, TsRect rect, bool fillCentre, int state, const TsMaskData& piece,
                     const TsParentCache& parentCache)
{
    const Bitmap24& master = tables.masterBitmap;
    const PieceSource source = sourceOf(piece);
    for (const BorderCell& cell : BorderCells(piece, rect, state, fillCentre)) {
        const TsParentCache& cache = cell.kind == BorderCellKind::Corner ? parentCache : EmptyParentCache();
        switch (source) {
        case PieceSource::MaskedMaster:
            CopyThroughMask(bitmap, cell.dst.Left, cell.dst.Top, master, cell.src, piece.R.height() / 2,
                            master.height(), 1, cache, MagentaWithoutParent::Skip);
            break;
        case PieceSource::OwnPicture:
            MaskedCellCopy(cell.dst, cell.src, bitmap, cache, &piece.Bitmap);
            break;
        case PieceSource::Master:
            if (cell.kind == BorderCellKind::Corner)
                CopyPieceTransparent(bitmap, master, cell.dst.Left, cache, kTransparentColor, cell.src, cell.dst.Top);
            else
                CopyRect(bitmap, cell.dst.Left, cell.dst.Top, master, cell.src);
            break;
        }
    }
}

namespace {

// A cell through its mask; magenta runs leave the picture and change the region:
// a run closed by a painted pixel is combined by exclusive-or, one still open at the
// end of the row is subtracted.
void copyCellCuttingRegion(Bitmap24& dst, const Bitmap24& src, const BorderCell& cell, int maskOffset,
                           int pictureRows, QRegion& region)
{
    const int rows = std::min(pictureRows, src.height() - maskOffset);
    const PaintPlacement place =
        PlaceRect(cell.src, src.width(), std::max(rows, 0), cell.dst.Left, cell.dst.Top, dst.width(), dst.height());
    if (place.isEmpty() || maskOffset < 0)
        return;
    const int width = WidthOf(place.dst);
    for (int row = 0; row < HeightOf(place.dst); ++row) {
        const int y = place.dst.Top + row;
        uint8_t* d = dst.scanLine(y) + place.dst.Left * 3;
        const uint8_t* s = src.scanLine(place.srcTop + row) + place.srcLeft * 3;
        const uint8_t* m = src.scanLine(place.srcTop + row + maskOffset) + place.srcLeft * 3;
        int runStart = -1;
        for (int x = 0; x < width; ++x, d += 3, s += 3, m += 3) {
            if (s[0] == 0xFF && s[1] == 0x00 && s[2] == 0xFF) {
                if (runStart < 0)
                    runStart = x;
                continue;
            }
            if (runStart >= 0) {
                region ^= QRegion(place.dst.Left + runStart, y, x - runStart, 1);
                runStart = -1;
            }
            for (int c = 0; c < 3; ++c)
                d[c] = uint8_t(uint16_t(d[c] * m[c] + s[c] * (256 - m[c])) >> 8);
        }
        if (runStart >= 0)
            region -= QRegion(place.dst.Left + runStart, y, width - runStart, 1);
    }
}

} // namespace

void PaintBorderMaskWithRegion(const TsSkinTables& tables, Bitmap24& bitmap, QRegion& region, bool fillCentre, int state, const TsMaskData& piece)
{
    const Bitmap24& master = tables.masterBitmap;
    const PieceSource source = sourceOf(piece);
    const TsRect whole = RectOfSize(bitmap.width(), bitmap.height());
    for (const BorderCell& cell : BorderCells(piece, whole, state, fillCentre)) {
        switch (source) {
        case PieceSource::MaskedMaster:
            copyCellCuttingRegion(bitmap, master, cell, piece.R.height() / 2, master.height(), region);
            break;
        case PieceSource::OwnPicture:
            copyCellCuttingRegion(bitmap, piece.Bitmap, cell, piece.Bitmap.height() / 2, piece.Bitmap.height() / 2,
                                  region);
            break;
        case PieceSource::Master:
            CopyRect(bitmap, cell.dst.Left, cell.dst.Top, master, cell.src);
            break;
        }
    }
}
