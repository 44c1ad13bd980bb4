#include "skin/paint/PaintScale.h"

#include "skin/paint/Bitmap24.h"

#include <QImage>

#include <cmath>
#include <cstring>
#include <vector>

QSize DeviceSizeOf(QSize logical, double scale)
{
    return {int(std::ceil(logical.width() * scale - 1e-9)), int(std::ceil(logical.height() * scale - 1e-9))};
}

bool IsWholeScale(double scale)
{
    return std::abs(scale - std::round(scale)) < 1e-6 && scale >= 1;
}

namespace {

// Each device pixel takes the source pixel it lies in: sx = x * sw / dw, one map for all
// rows; a device row whose source row is the one before is copied whole.
void scaleNearest(Bitmap24& dst, const Bitmap24& src)
{
    const int dw = dst.width(), dh = dst.height(), sw = src.width(), sh = src.height();
    std::vector<int> sourceByte(static_cast<std::size_t>(dw));
    for (int x = 0; x < dw; ++x)
        sourceByte[std::size_t(x)] = int(int64_t(x) * sw / dw) * 3;
    int previous = -1;
    for (int y = 0; y < dh; ++y) {
        const int sy = int(int64_t(y) * sh / dh);
        uint8_t* d = dst.scanLine(y);
        if (sy == previous) {
            std::memcpy(d, dst.scanLine(y - 1), std::size_t(dw) * 3);
            continue;
        }
        const uint8_t* s = src.scanLine(sy);
        for (int x = 0; x < dw; ++x, d += 3) {
            const uint8_t* p = s + sourceByte[std::size_t(x)];
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
        }
        previous = sy;
    }
}

} // namespace

void ScaleBitmap(Bitmap24& dst, const Bitmap24& src, double scale)
{
    const QSize size = DeviceSizeOf(QSize(src.width(), src.height()), scale);
    if (src.isNull() || !dst.resize(size.width(), size.height()) || dst.isNull())
        return;
    if (IsWholeScale(scale)) {
        scaleNearest(dst, src);
        return;
    }
    const QImage smooth = src.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    dst = Bitmap24::fromImage(smooth);
}
