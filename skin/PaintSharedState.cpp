#include "skin/PaintSharedState.h"

namespace {
TColor g_sharedParentColor = clTransparentMagenta;
bool g_paintRowsBaselineOnly = false;
}

TColor SharedParentColor()
{
    return g_sharedParentColor;
}

void SetSharedParentColor(TColor color)
{
    g_sharedParentColor = color;
}

bool PaintRowsBaselineOnly()
{
    return g_paintRowsBaselineOnly;
}

void SetPaintRowsBaselineOnly(bool baseline)
{
    g_paintRowsBaselineOnly = baseline;
}
