#pragma once

#include "skin/paint/Bitmap24.h"

#include <QString>

// Pictures of a skin, as 24-bit pictures. A missing, truncated or damaged file gives a null
// picture, never a crash.
namespace SkinPictures {

// A BMP file (any depth) through QImage.
Bitmap24 loadBmp(const QString& path);
// A JPEG file through libjpeg.
Bitmap24 loadJpeg(const QString& path);

// Where a value of a skin names a file: relative to the skin folder unless it holds ":" or
// starts with "/". Backslashes are folder separators. When the exact name does not exist, a
// file whose name differs only in case is taken (skins are often written for systems that
// ignore case). Gives an empty text when there is no such file.
QString resolveExisting(const QString& skinFolder, const QString& value);

} // namespace SkinPictures
