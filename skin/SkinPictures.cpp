#include "skin/SkinPictures.h"

#include "platform/JpegReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdlib>

namespace SkinPictures {

namespace {

uint32_t readU32(const QByteArray& bytes, int at)
{
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData()) + at;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t readU16(const QByteArray& bytes, int at)
{
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData()) + at;
    return uint16_t(p[0] | p[1] << 8);
}

// The BMP reader fills the rows missing from a short file; such a file is damaged, not a
// picture. Uncompressed pixel data must be there in full.
bool hasAllPixelRows(const QByteArray& bytes)
{
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const uint32_t offset = readU32(bytes, 10);
    const uint32_t headerSize = readU32(bytes, 14);
    int64_t width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == 12) {
        width = readU16(bytes, 18);
        height = readU16(bytes, 20);
        bitsPerPixel = readU16(bytes, 24);
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        width = int32_t(readU32(bytes, 18));
        height = int32_t(readU32(bytes, 22));
        bitsPerPixel = readU16(bytes, 28);
        compression = readU32(bytes, 30);
    } else {
        return false;
    }
    if (compression != 0 && compression != 3)
        return true; // run-length data has no fixed size; the reader checks it
    const int64_t stride = (width * bitsPerPixel + 31) / 32 * 4;
    return width > 0 && stride > 0 && int64_t(offset) + stride * std::abs(height) <= bytes.size();
}

} // namespace

Bitmap24 loadBmp(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Bitmap24();
    const QByteArray bytes = file.readAll();
    if (!hasAllPixelRows(bytes))
        return Bitmap24();
    return Bitmap24::fromImage(QImage::fromData(bytes, "BMP"));
}

Bitmap24 loadJpeg(const QString& path)
{
    return Bitmap24::fromImage(JpegReader::readFile(path));
}

QString resolveExisting(const QString& skinFolder, const QString& value)
{
    QString path = QString(value).replace(QLatin1Char('\\'), QLatin1Char('/')).trimmed();
    if (path.isEmpty())
        return QString();
    if (!path.contains(QLatin1Char(':')) && !path.startsWith(QLatin1Char('/')))
        path = QDir(skinFolder).filePath(path);
    const QFileInfo info(path);
    if (info.isFile())
        return info.filePath();
    const QDir dir = info.dir();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

} // namespace SkinPictures
