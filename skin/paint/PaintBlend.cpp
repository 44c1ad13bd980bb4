#include "skin/paint/PaintBlend.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/TsParentCache.h"
#include "skin/paint/TsTextLayer.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

void BlendColorOver(Bitmap24& bitmap, TsRect rect, int keepPercent, TsColor colour)
{
    const TsRect r = rect.intersected(RectOfSize(bitmap.width(), bitmap.height()));
    if (r.isEmpty())
        return;
    const unsigned keep = unsigned(std::clamp(keepPercent, 0, 100));
    const PaintRgb c = ColorToRgb(colour);
    MixColorRows(bitmap.scanLine(r.Top) + r.Left * 3, bitmap.stride(), HeightOf(r), std::size_t(WidthOf(r)), keep,
                 c.r, c.g, c.b);
}

void BlendBitmapOver(Bitmap24& dst, const Bitmap24& src, uint32_t transparency, int dstX, int dstY,
                     TsRect srcRect)
{
    const PaintPlacement place = PlaceRect(srcRect, src.width(), src.height(), dstX, dstY, dst.width(), dst.height());
    if (place.isEmpty())
        return;
    const TsRect& d = place.dst;
    const TsRect s = d.translated(place.srcLeft - d.Left, place.srcTop - d.Top);
    const unsigned sum = (transparency & 0xFF) + ((transparency >> 8) & 0xFF) + ((transparency >> 16) & 0xFF);
    const std::size_t bytes = std::size_t(WidthOf(d)) * 3;
    for (int row = 0; row < HeightOf(d); ++row) {
        // d = s + (d - s) * sum / 768, rounded half to even
        MixRow768(dst.scanLine(d.Top + row) + d.Left * 3, src.scanLine(s.Top + row) + s.Left * 3, sum, bytes);
    }
}


void BlendTransparentImage(Bitmap24& dst, int dstX, int dstY, TsColor transparentColour, double weight,
                           TsRect srcRect, const Bitmap24& src)
{
    const PaintPlacement place = PlaceRect(srcRect, src.width(), src.height(), dstX, dstY, dst.width(), dst.height());
    if (place.isEmpty())
        return;
    const TsRect& d = place.dst;
    const TsRect s = d.translated(place.srcLeft - d.Left, place.srcTop - d.Top);
    const bool skip = !IsSystemColor(transparentColour);
    const PaintRgb t = ColorToRgb(transparentColour & 0x00FFFFFF);
    const int width = WidthOf(d);
    for (int row = 0; row < HeightOf(d); ++row) {
        uint8_t* dp = dst.scanLine(d.Top + row) + d.Left * 3;
        const uint8_t* sp = src.scanLine(s.Top + row) + s.Left * 3;
        for (int x = 0; x < width; ++x, dp += 3, sp += 3) {
            if (skip && sp[0] == t.b && sp[1] == t.g && sp[2] == t.r)
                continue;
            // d = s - weight * (s - d), rounded half to even
            for (int c = 0; c < 3; ++c)
                dp[c] = uint8_t(std::clamp(RoundHalfEven(sp[c] - weight * (sp[c] - dp[c])), 0.0, 255.0));
        }
    }
}

void BlendBitmaps(Bitmap24& dst, const Bitmap24& src, int level)
{
    if (dst.isNull() || dst.width() != src.width() || dst.height() != src.height())
        return;
    const unsigned x = unsigned(level) & 0xFF;
    const std::size_t rowBytes = std::size_t(dst.width()) * 3;
    if (dst.stride() == src.stride()) {
        // Both pictures are one contiguous run of rows.
        MixRow256(dst.bits(), src.bits(), x, std::size_t(dst.stride()) * (dst.height() - 1) + rowBytes);
        return;
    }
    for (int y = 0; y < dst.height(); ++y)
        MixRow256(dst.scanLine(y), src.scanLine(y), x, rowBytes);
}

void MakeGrayscale(Bitmap24& bitmap)
{
    for (int y = 0; y < bitmap.height(); ++y) {
        uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, p += 3)
            p[0] = p[1] = p[2] = uint8_t((p[0] + p[1] + p[2]) / 3);
    }
}

namespace {

// The grey mask of BlendColorRect: levels from 255 at the outside down to k inside.
std::vector<uint8_t> makeRoundedMask(int width, int height, int percent, int radius, int border)
{
    const int half = std::min(width / 2, height / 2);
    border = std::clamp(border, 0, half);
    radius = std::clamp(radius, 0, half);
    const int k = std::clamp(percent, 0, 100) * 255 / 100;
    std::vector<uint8_t> mask(std::size_t(width) * height, uint8_t(k));
    if (border == 0 && radius == 0)
        return mask;
    QImage image(mask.data(), width, height, width, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    // Rings 1 .. border + 1, each one pixel inside the previous one, in even steps from the
    // white outside down to k; the last one fills the centre with k.
    for (int c = 0; c <= border; ++c) {
        const int level = k + int(std::nearbyint(double(255 - k) / (border + 1) * (border - c)));
        painter.setBrush(QColor(level, level, level));
        painter.drawRoundedRect(QRectF(c, c, width - 2 * c, height - 2 * c), radius, radius);
    }
    return mask;
}

} // namespace

void BlendColorRect(Bitmap24& bitmap, TsRect rect, int percent, int radius, int border, TsColor colour)
{
    const TsRect r = rect.intersected(RectOfSize(bitmap.width(), bitmap.height()));
    if (r.isEmpty())
        return;
    const int width = WidthOf(r);
    const std::vector<uint8_t> mask = makeRoundedMask(width, HeightOf(r), percent, radius, border);
    const PaintRgb c = ColorToRgb(colour);
    const uint8_t channel[3] = {c.b, c.g, c.r};
    for (int y = 0; y < HeightOf(r); ++y) {
        uint8_t* p = bitmap.scanLine(r.Top + y) + r.Left * 3;
        const uint8_t* m = mask.data() + std::size_t(y) * width;
        for (int x = 0; x < width; ++x, p += 3) {
            // result = (colour * 255 + mask * (pixel - colour)) div 256; never negative
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = uint8_t((channel[ch] * (255 - m[x]) + m[x] * p[ch]) >> 8);
        }
    }
}

void ApplyDisabledEffect(Bitmap24& bitmap, TsDisabledKind disabledKind, TsColor backgroundColour, int offsetX,
                         int offsetY, const TsParentCache& parentCache)
{
    // Over text held back for another scale, the look is applied after that text.
    if (TsTextLayer* layer = bitmap.textLayer()) {
        layer->deferDisabledEffect(disabledKind, backgroundColour, offsetX, offsetY, parentCache);
        return;
    }
    if (disabledKind & dkGrayed)
        MakeGrayscale(bitmap);
    if (!(disabledKind & dkBlended))
        return;
    if (parentCache.usable()) {
        const int x = parentCache.OffsetX + offsetX, y = parentCache.OffsetY + offsetY;
        BlendTransparentImage(bitmap, 0, 0, 0xFF000000, 0.4, {x, y, x + bitmap.width(), y + bitmap.height()},
                              *parentCache.Bitmap);
        return;
    }
    BlendColorRect(bitmap, RectOfSize(bitmap.width(), bitmap.height()), 50, 0, 0, backgroundColour);
}
