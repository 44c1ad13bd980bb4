#include "skin/paint/Bitmap24.h"

#include "skin/paint/PaintRows.h"

#include <QtGlobal>

#include <cstring>
#include <limits>

int Bitmap24::strideFor(int width)
{
    if (width < 0)
        return -1;
    const long long bytes = (static_cast<long long>(width) * 3 + 3) / 4 * 4;
    return bytes > std::numeric_limits<int>::max() ? -1 : static_cast<int>(bytes);
}

Bitmap24::Bitmap24(int width, int height)
{
    resize(width, height);
}

bool Bitmap24::resize(int width, int height)
{
    m_width = m_height = m_stride = 0;
    m_bits.clear();
    if (width == 0 || height == 0)
        return true;
    const int stride = strideFor(width);
    // Keep the whole picture addressable with int offsets as well as size_t ones.
    if (height < 0 || stride < 0 || static_cast<long long>(stride) * height > std::numeric_limits<int>::max())
        return false;
    m_bits.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
    m_width = width;
    m_height = height;
    m_stride = stride;
    return true;
}

uint8_t* Bitmap24::scanLine(int y)
{
    Q_ASSERT(y >= 0 && y < m_height);
    return m_bits.data() + static_cast<std::size_t>(y) * m_stride;
}

const uint8_t* Bitmap24::scanLine(int y) const
{
    Q_ASSERT(y >= 0 && y < m_height);
    return m_bits.data() + static_cast<std::size_t>(y) * m_stride;
}

void Bitmap24::fill(uint32_t color)
{
    if (isNull())
        return;
    const uint8_t b = (color >> 16) & 0xFF, g = (color >> 8) & 0xFF, r = color & 0xFF;
    uint8_t* first = scanLine(0);
    for (int x = 0; x < m_width; ++x) {
        first[x * 3] = b;
        first[x * 3 + 1] = g;
        first[x * 3 + 2] = r;
    }
    for (int y = 1; y < m_height; ++y)
        std::memcpy(scanLine(y), first, static_cast<std::size_t>(m_width) * 3);
}

uint32_t Bitmap24::pixel(int x, int y) const
{
    Q_ASSERT(x >= 0 && x < m_width);
    const uint8_t* p = scanLine(y) + x * 3;
    return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
}

void Bitmap24::setPixel(int x, int y, uint32_t color)
{
    Q_ASSERT(x >= 0 && x < m_width);
    uint8_t* p = scanLine(y) + x * 3;
    p[0] = (color >> 16) & 0xFF;
    p[1] = (color >> 8) & 0xFF;
    p[2] = color & 0xFF;
}

QImage Bitmap24::imageView()
{
    if (isNull())
        return {};
    return QImage(m_bits.data(), m_width, m_height, m_stride, QImage::Format_BGR888);
}

QImage Bitmap24::toImage() const
{
    if (isNull())
        return {};
    return QImage(m_bits.data(), m_width, m_height, m_stride, QImage::Format_BGR888).copy();
}

void Bitmap24::copyToRgb32(QImage& target) const
{
    if (isNull()) {
        target = QImage();
        return;
    }
    if (target.size() != QSize(m_width, m_height) || target.format() != QImage::Format_RGB32)
        target = QImage(m_width, m_height, QImage::Format_RGB32);
    if (target.isNull())
        return;
    for (int y = 0; y < m_height; ++y)
        ConvertRowToRgb32(reinterpret_cast<uint32_t*>(target.scanLine(y)), scanLine(y), std::size_t(m_width));
}

Bitmap24 Bitmap24::fromImage(const QImage& image)
{
    Bitmap24 result;
    if (image.isNull())
        return result;
    const QImage converted = image.convertToFormat(QImage::Format_BGR888);
    if (!result.resize(converted.width(), converted.height()))
        return result;
    const std::size_t rowBytes = static_cast<std::size_t>(result.m_width) * 3;
    for (int y = 0; y < result.m_height; ++y)
        std::memcpy(result.scanLine(y), converted.constScanLine(y), rowBytes);
    return result;
}

Bitmap24 Bitmap24::fromImageOverMagenta(const QImage& image, int alphaThreshold)
{
    Bitmap24 result;
    if (image.isNull())
        return result;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    if (!result.resize(argb.width(), argb.height()))
        return result;
    for (int y = 0; y < result.m_height; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uint8_t* d = result.scanLine(y);
        for (int x = 0; x < result.m_width; ++x, d += 3) {
            const bool shown = qAlpha(s[x]) >= alphaThreshold;
            d[0] = shown ? uint8_t(qBlue(s[x])) : 0xFF;
            d[1] = shown ? uint8_t(qGreen(s[x])) : 0x00;
            d[2] = shown ? uint8_t(qRed(s[x])) : 0xFF;
        }
    }
    return result;
}

bool Bitmap24::operator==(const Bitmap24& other) const
{
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * 3;
    for (int y = 0; y < m_height; ++y) {
        if (std::memcmp(scanLine(y), other.scanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}
