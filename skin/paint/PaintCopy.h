#pragma once

#include "skin/paint/PaintColor.h"
#include "skin/paint/TsRect.h"

class Bitmap24;
struct TsParentCache;

// Copies between pictures, row by row. Every routine clips srcRect to the source and
// the landing rectangle to the destination; pixels outside either are left alone.

// Plain copy of srcRect of src to (dstX, dstY).
void CopyRect(Bitmap24& dst, int dstX, int dstY, const Bitmap24& src, TsRect srcRect);

// Copies the whole of src to (dstX, dstY), skipping pixels equal to transparentColour.
void CopyTransparentImage(Bitmap24& dst, const Bitmap24& src, int dstX, TsColor transparentColour, int dstY);

// Copies srcRect of src to (dstX, dstY); a pixel of transparentColour shows the parent's
// pixel when the parent cache is ready and keeps the destination otherwise.
void CopyPieceTransparent(Bitmap24& dst, const Bitmap24& src, int dstX, const TsParentCache& parentCache,
                          TsColor transparentColour, TsRect srcRect, int dstY);

// What a magenta source pixel does when the parent cache is not ready.
enum class MagentaWithoutParent { Skip, Blend };

// One rectangle copied through a mask that lies `maskOffset` rows below each source row:
// d := ((d − s) × m + s × 256) div 256 in 16 bits, m the mask byte of the same channel,
// replaced by min(m + 100, 255) when drawMode is not 1. Only source rows above
// `pictureRows` are copied; a row whose mask row lies below the source counts as mask 0
// (the picture shows). A magenta source pixel
// shows the parent when the cache is ready, else follows `magenta`.
void CopyThroughMask(Bitmap24& dst, int dstX, int dstY, const Bitmap24& src, TsRect srcRect, int maskOffset,
                     int pictureRows, int drawMode, const TsParentCache& parentCache, MagentaWithoutParent magenta);

// Copies a rectangle of src, a picture whose lower half is the mask of its upper half,
// into dstRect; the size is the smaller of the two rectangles.
void MaskedCellCopy(TsRect dstRect, TsRect srcRect, Bitmap24& dst, const TsParentCache& parentCache,
                    const Bitmap24* src);

// Covers rect exactly with copies of srcRect of src, the last column and row cut.
void TileRect(Bitmap24& dst, TsRect rect, const Bitmap24& src, TsRect srcRect);

// Fills rect (clipped to the picture) with one colour.
void FillRect(Bitmap24& dst, TsRect rect, TsColor colour);
