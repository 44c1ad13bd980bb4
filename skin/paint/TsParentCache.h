#pragma once

class Bitmap24;

// A parent control's cache picture and where this control's picture starts inside it.
// When Ready is false the painting routines paint as if the control were opaque.
struct TsParentCache
{
    const Bitmap24* Bitmap = nullptr;
    int OffsetX = 0;
    int OffsetY = 0;
    bool Ready = false;

    // Ready and carrying a picture: the only state in which parent pixels are read.
    bool usable() const { return Ready && Bitmap != nullptr; }
};

// The process-wide empty parent cache (no picture, not ready), passed where a
// routine must not show the parent.
const TsParentCache& EmptyParentCache();
