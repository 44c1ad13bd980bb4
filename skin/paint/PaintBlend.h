#pragma once

#include "skin/paint/PaintColor.h"
#include "skin/paint/TsRect.h"

class Bitmap24;

// Mixing routines on whole rows. Each clips to the pictures first; a rectangle that
// is empty after clipping paints nothing.

// Each channel := rounded(keep% × channel + (100 − keep)% × colour's channel).
// keepPercent is taken within 0..100.
void BlendColorOver(Bitmap24& bitmap, TsRect rect, int keepPercent, TsColor colour);

// Mixes srcRect of src into dst at dstPoint: each channel := rounded(src + (dst − src) × k),
// k = (t0 + t1 + t2) / 768 from the three low bytes of `transparency`.
void BlendBitmapOver(Bitmap24& dst, const Bitmap24& src, uint32_t transparency, int dstX, int dstY,
                     TsRect srcRect);

// Mixes srcRect of src into dst at (dstX, dstY), skipping pixels of transparentColour
// (none when its high byte is FF): each channel := rounded(src − weight × (src − dst)).
void BlendTransparentImage(Bitmap24& dst, int dstX, int dstY, TsColor transparentColour, double weight,
                           TsRect srcRect, const Bitmap24& src);

// Two pictures of equal size: dst := rounded(x × (dst − src) + src), x = (level & 0xFF) / 256.
void BlendBitmaps(Bitmap24& dst, const Bitmap24& src, int level);

// Every pixel's three channels := (blue + green + red) div 3.
void MakeGrayscale(Bitmap24& bitmap);

// Mixes a colour into rect through a graded mask of nested rounded rectangles:
// result := (colour × 255 + mask × (pixel − colour)) div 256.
void BlendColorRect(Bitmap24& bitmap, TsRect rect, int percent, int radius, int border, TsColor colour);

struct TsParentCache;

// The set TsDisabledKind of dkBlended and dkGrayed.
enum TsDisabledKindFlag : unsigned { dkBlended = 0x1, dkGrayed = 0x2 };
using TsDisabledKind = unsigned;

// The disabled look: grey, and/or 60 percent of the parent's background (or, without a
// ready parent cache, half of backgroundColour) mixed in. offset is where the picture
// lies in the parent's picture.
void ApplyDisabledEffect(Bitmap24& bitmap, TsDisabledKind disabledKind, TsColor backgroundColour, int offsetX,
                         int offsetY, const TsParentCache& parentCache);
