#pragma once

#include <QSize>

class Bitmap24;

// Pictures for screens of another scale: a face rendered at logical size becomes a
// picture of device pixels.

// The device size of a logical size at `scale`: rounded up, so the picture covers the
// whole control (exact for whole scales).
QSize DeviceSizeOf(QSize logical, double scale);

// dst := src scaled to DeviceSizeOf(src size, scale). A whole scale repeats each pixel
// (hard edges keep one-pixel lines and mask outlines crisp); a fractional one is smooth.
void ScaleBitmap(Bitmap24& dst, const Bitmap24& src, double scale);

// A whole scale (1, 2, 3 ...) within rounding.
bool IsWholeScale(double scale);
