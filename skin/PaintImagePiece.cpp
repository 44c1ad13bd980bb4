#include "skin/PaintImagePiece.h"

#include "skin/Bitmap24.h"
#include "skin/PaintBlend.h"
#include "skin/PaintCopy.h"
#include "skin/SkinLookups.h"
#include "skin/TsParentCache.h"
#include "skin/TsSkinData.h"

#include <algorithm>

namespace {

PaintRect toPaintRect(const TsRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

} // namespace

void MaskedCopy(PaintRect dstRect, PaintRect srcRect, Bitmap24& dst, const TsMaskData& piece, int drawMode,
                const Bitmap24& src)
{
    const bool own = piece.hasOwnPicture();
    const int maskOffset = (!own && piece.MaskType >= 1) ? piece.R.height() / 2 : src.height() / 2;
    const int pictureRows = own ? src.height() / 2 : src.height();
    const int width = std::min(WidthOf(dstRect), WidthOf(srcRect));
    const int height = std::min(HeightOf(dstRect), HeightOf(srcRect));
    if (width <= 0 || height <= 0)
        return;
    const PaintRect source{srcRect.Left, srcRect.Top, srcRect.Left + width, srcRect.Top + height};
    CopyThroughMask(dst, dstRect.Left, dstRect.Top, src, source, maskOffset, pictureRows, drawMode,
                    EmptyParentCache(), MagentaWithoutParent::Skip);
}

void TileGraphic(Bitmap24& canvas, PaintRect rect, const Bitmap24* graphic, const TsMaskData* piece)
{
    if (piece != nullptr && !piece->hasOwnPicture()) {
        TileRect(canvas, rect, TsSkinData::instance().tables.masterBitmap, toPaintRect(piece->R));
        return;
    }
    const Bitmap24* tile = graphic != nullptr ? graphic : piece != nullptr ? &piece->Bitmap : nullptr;
    if (tile != nullptr)
        TileRect(canvas, rect, *tile, RectOfSize(tile->width(), tile->height()));
}

void DrawImagePiece(Bitmap24& bitmap, int destX, int destY, int state, const TsMaskData& piece, int drawMode)
{
    if (piece.hasOwnPicture()) {
        const Bitmap24& picture = piece.Bitmap;
        const int w = picture.width() / 3, h = picture.height() / 2;
        const PaintRect frame{state * w, 0, state * w + w, h};
        MaskedCopy({destX, destY, destX + w, destY + h}, frame, bitmap, piece, drawMode, picture);
        return;
    }
    if (piece.ImageCount < 1)
        return;
    const Bitmap24& master = TsSkinData::instance().tables.masterBitmap;
    const int w = piece.R.width() / piece.ImageCount;
    const int h = piece.R.height() / (std::max<int>(piece.MaskType, 0) + 1);
    const int frameIndex = std::clamp(state, 0, piece.ImageCount - 1);
    const PaintRect frame{piece.R.Left + frameIndex * w, piece.R.Top, piece.R.Left + frameIndex * w + w,
                          piece.R.Top + h};
    if (piece.MaskType >= 1)
        MaskedCopy({destX, destY, destX + w, destY + h}, frame, bitmap, piece, drawMode, master);
    else if (drawMode == 1)
        CopyPieceTransparent(bitmap, master, destX, EmptyParentCache(), clTransparentMagenta, frame, destY);
    else
        BlendTransparentImage(bitmap, destX, destY, clTransparentMagenta, 0.5, frame, master);
}

void DrawImagePiece(Bitmap24& bitmap, int destX, int destY, int state, int imageIndex, int drawMode)
{
    if (!ImageIndexValid(imageIndex))
        return;
    DrawImagePiece(bitmap, destX, destY, state, TsSkinData::instance().tables.masks[std::size_t(imageIndex)],
                   drawMode);
}
