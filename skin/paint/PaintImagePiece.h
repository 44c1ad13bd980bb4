#pragma once

#include "skin/paint/TsRect.h"

class Bitmap24;
struct TsMaskData;
struct TsSkinTables;

// Routines on one image piece of the skin: a piece with its own picture (three frames
// side by side, picture above, mask below) or a rectangle of the master bitmap.

// Copies srcRect of the piece's source (own picture or master bitmap) to dstRect through
// its mask; the copied size is limited by both rectangles. Magenta pixels are skipped.
void MaskedCopy(TsRect dstRect, TsRect srcRect, Bitmap24& dst, const TsMaskData& piece, int drawMode,
                const Bitmap24& src);

// Covers rect with copies of the piece's rectangle in the master bitmap (frames and
// mask rows included), or of `graphic` when the piece is null or has its own picture.
void TileGraphic(const TsSkinTables& tables, Bitmap24& canvas, TsRect rect, const Bitmap24* graphic, const TsMaskData* piece);

// Frame `state` of the piece with its top-left corner at (destX, destY).
void DrawImagePiece(const TsSkinTables& tables, Bitmap24& bitmap, int destX, int destY, int state,
                    const TsMaskData& piece, int drawMode);

// The same for the piece at `imageIndex` of the tables; nothing for an invalid index.
void DrawImagePiece(const TsSkinTables& tables, Bitmap24& bitmap, int destX, int destY, int state, int imageIndex, int drawMode);
