#pragma once

#include "skin/paint/TsRect.h"

#include <vector>

class Bitmap24;
class QRegion;
struct TsMaskData;
struct TsParentCache;
struct TsSkinTables;

enum class BorderCellKind { Corner, Edge, Centre };

// One copy of a nine-cell border: dst and src have the same size.
struct BorderCell
{
    TsRect dst;
    TsRect src;
    BorderCellKind kind = BorderCellKind::Edge;
};

// The copies that paint `piece` as a border of rect, in painting order: top-left corner,
// left edge, top edge, bottom-left corner, bottom edge, bottom-right corner, top-right
// corner, right edge, then the centre when it is filled. Source rectangles are in the
// piece's own picture or in the master bitmap. A frame is cut into a 3 × 3 grid:
//
//     corner | edge   | corner      cell cw × ch; the painted borders are cw (left,
//     -------+--------+-------      right) and ch (top, bottom), limited by BorderWidth
//     edge   | centre | edge        for master pieces, and halved (the far one taking
//     -------+--------+-------      the odd pixel) when rect is smaller than two cells
//     corner | edge   | corner
//
// Edges and centre repeat whole cells between the borders and end with one cut cell,
// so the cells cover rect exactly.
std::vector<BorderCell> BorderCells(const TsMaskData& piece, TsRect rect, int state, bool fillCentre);

// Nine-cell border of the piece in rect: corners with the parent cache (magenta shows
// the parent), edges and centre with the empty one.
void PaintBorderMask(const TsSkinTables& tables, Bitmap24& bitmap, TsRect rect, bool fillCentre, int state, const TsMaskData& piece,
                     const TsParentCache& parentCache);

// The same over the whole picture without a parent; magenta runs of masked pieces and
// own pictures are cut out of the window region.
void PaintBorderMaskWithRegion(const TsSkinTables& tables, Bitmap24& bitmap, QRegion& region, bool fillCentre, int state, const TsMaskData& piece);
