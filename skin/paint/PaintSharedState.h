#pragma once

#include "skin/paint/PaintColor.h"

// The process-wide state of the painting routines, all in this one place.

// The shared parent colour. While it is not magenta, the final plain fill of a section fill uses it
// instead of the section's colour (the radio button paints on its parent's colour).
TsColor SharedParentColor();
void SetSharedParentColor(TsColor color);

// Sets the shared parent colour for the lifetime of the guard and puts magenta back.
class SharedParentColorScope
{
public:
    explicit SharedParentColorScope(TsColor color) { SetSharedParentColor(color); }
    ~SharedParentColorScope() { SetSharedParentColor(kTransparentColor); }
    SharedParentColorScope(const SharedParentColorScope&) = delete;
    SharedParentColorScope& operator=(const SharedParentColorScope&) = delete;
};

// Tests and benchmarks only: the row kernels take the baseline (SSE2) path even where
// AVX2 is there.
bool PaintRowsBaselineOnly();
void SetPaintRowsBaselineOnly(bool baseline);
