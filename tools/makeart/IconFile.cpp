#include "IconFile.h"

#include <QtEndian>

#include <cstring>

namespace {

void put16(QByteArray& out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void put32(QByteArray& out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

int paddedStride(int bytes)
{
    return (bytes + 3) & ~3;
}

// The mask: one bit per pixel, set where the pixel is transparent; rows bottom-up.
QByteArray andMask(const QImage& argb)
{
    const int stride = paddedStride((argb.width() + 7) / 8);
    QByteArray mask(stride * argb.height(), '\0');
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* row = reinterpret_cast<uchar*>(mask.data()) + (argb.height() - 1 - y) * stride;
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(src[x]) < 128)
                row[x / 8] |= uchar(0x80 >> (x % 8));
        }
    }
    return mask;
}

QByteArray bitmapHeader(const QImage& image, int depth, int pixelBytes, int maskBytes)
{
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height() * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, quint16(depth));
    put32(out, 0); // no compression
    put32(out, quint32(pixelBytes + maskBytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, depth == 8 ? 256 : 0);
    put32(out, 0);
    return out;
}

QByteArray paletteBitmap(const QImage& argb)
{
    const QImage indexed = argb.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVector<QRgb> colours = indexed.colorTable();
    colours.resize(256);
    const int stride = paddedStride(indexed.width());
    QByteArray pixels(stride * indexed.height(), '\0');
    for (int y = 0; y < indexed.height(); ++y)
        std::memcpy(pixels.data() + (indexed.height() - 1 - y) * stride, indexed.constScanLine(y),
                    size_t(indexed.width()));
    const QByteArray mask = andMask(argb);
    QByteArray out = bitmapHeader(argb, 8, int(pixels.size()), int(mask.size()));
    for (QRgb colour : colours) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    return out + pixels + mask;
}

QByteArray trueColourBitmap(const QImage& argb)
{
    const int stride = argb.width() * 4;
    QByteArray pixels(stride * argb.height(), '\0');
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* row = reinterpret_cast<uchar*>(pixels.data()) + (argb.height() - 1 - y) * stride;
        for (int x = 0; x < argb.width(); ++x) {
            row[4 * x] = uchar(qBlue(src[x]));
            row[4 * x + 1] = uchar(qGreen(src[x]));
            row[4 * x + 2] = uchar(qRed(src[x]));
            row[4 * x + 3] = uchar(qAlpha(src[x]));
        }
    }
    const QByteArray mask = andMask(argb);
    return bitmapHeader(argb, 32, int(pixels.size()), int(mask.size())) + pixels + mask;
}

} // namespace

namespace IconFile {

QByteArray encode(const QVector<Entry>& entries)
{
    QVector<QByteArray> images;
    for (const Entry& entry : entries) {
        const QImage argb = entry.image.convertToFormat(QImage::Format_ARGB32);
        images << (entry.depth == 8 ? paletteBitmap(argb) : trueColourBitmap(argb));
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, quint16(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QImage& image = entries[i].image;
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append('\0'); // 256 colours and more are written as 0
        out.append('\0');
        put16(out, 1);
        put16(out, quint16(entries[i].depth));
        put32(out, quint32(images[i].size()));
        put32(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out += image;
    return out;
}

} // namespace IconFile
