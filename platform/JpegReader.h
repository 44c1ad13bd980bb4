#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG data with libjpeg into a 24-bit image (QImage::Format_RGB888).
// Grey-scale pictures come out as grey RGB. A damaged or truncated file gives a null image
// and the decoder's message, never a crash or an exit; so does a picture larger than
// 16384 pixels a side or 64 megapixels, or one of more than 256 scans.
namespace JpegReader {

QImage decode(const QByteArray& data, QString* error = nullptr);
QImage readFile(const QString& path, QString* error = nullptr);

} // namespace JpegReader
