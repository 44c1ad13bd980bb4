#include "skin/paint/PaintImagePiece.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/SkinTableLookups.h"
#include "skin/paint/TsParentCache.h"

#include <algorithm>

namespace {



} // namespace

void MaskedCopy(TsRect dstRect, TsRect srcRect, Bitmap24& dst, const TsMaskData& piece, int drawMode,
                const Bitmap24& src)
{
    const bool own = piece.hasOwnPicture();
    const int maskOffset = (!own && piece.MaskType >= 1) ? piece.R.height() / 2 : src.height() / 2;
    const int pictureRows = own ? src.height() / 2 : src.height();
    const int width = std::min(WidthOf(dstRect), WidthOf(srcRect));
    const int height = std::min(HeightOf(dstRect), HeightOf(srcRect));
    if (width <= 0 || height <= 0)
        return;
    const TsRect source{srcRect.Left, srcRect.Top, srcRect.Left + width, srcRect.Top + height};
    CopyThroughMask(dst, dstRect.Left, dstRect.Top, src, source, maskOffset, pictureRows, drawMode,
                    EmptyParentCache(), MagentaWithoutParent::Skip);
}

void TileGraphic(const TsSkinTables& tables, Bitmap24& canvas, TsRect rect, const Bitmap24* graphic, const TsMaskData* piece)
{
    if (piece != nullptr && !piece->hasOwnPicture()) {
        TileRect(canvas, rect, tables.masterBitmap, piece->R);
        return;
    }
    const Bitmap24* tile = graphic != nullptr ? graphic : piece != nullptr ? &piece->Bitmap : nullptr;
    if (tile != nullptr)
        TileRect(canvas, rect, *tile, RectOfSize(tile->width(), tile->height()));
}

void DrawImagePiece(const TsSkinTables& tables, Bitmap24& bitmap, int destX, int destY, int state,
                    const TsMaskData& piece, int drawMode)
{
    if (piece.hasOwnPicture()) {
        const Bitmap24& picture = piece.Bitmap;
        const int w = picture.width() / 3, h = picture.height() / 2;
        const TsRect frame{state * w, 0, state * w + w, h};
        MaskedCopy({destX, destY, destX + w, destY + h}, frame, bitmap, piece, drawMode, picture);
        return;
    }
    if (piece.ImageCount < 1)
        return;
    const Bitmap24& master = tables.masterBitmap;
    const int w = piece.R.width() / piece.ImageCount;
    const int h = piece.R.height() / (std::max<int>(piece.MaskType, 0) + 1);
    const int frameIndex = std::clamp(state, 0, piece.ImageCount - 1);
    const TsRect frame{piece.R.Left + frameIndex * w, piece.R.Top, piece.R.Left + frameIndex * w + w,
                          piece.R.Top + h};
    if (piece.MaskType >= 1)
        MaskedCopy({destX, destY, destX + w, destY + h}, frame, bitmap, piece, drawMode, master);
    else if (drawMode == 1)
        CopyPieceTransparent(bitmap, master, destX, EmptyParentCache(), kTransparentColor, frame, destY);
    else
        BlendTransparentImage(bitmap, destX, destY, kTransparentColor, 0.5, frame, master);
}

void DrawImagePiece(const TsSkinTables& tables, Bitmap24& bitmap, int destX, int destY, int state, int imageIndex, int drawMode)
{
    if (!ImageIndexValid(tables, imageIndex))
        return;
    DrawImagePiece(tables, bitmap, destX, destY, state, tables.masks[std::size_t(imageIndex)],
                   drawMode);
}
