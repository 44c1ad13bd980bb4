#include "skin/SkinPictures.h"

#include "platform/JpegReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace SkinPictures {

Bitmap24 loadBmp(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Bitmap24();
    // The BMP reader fills missing rows of a short file; such a file is damaged, not a picture.
    QImageReader reader(&file, "bmp");
    const QImage image = reader.read();
    if (image.isNull() || reader.error() != QImageReader::UnknownError)
        return Bitmap24();
    return Bitmap24::fromImage(image);
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
