#include "skin/paint/PaintSharedState.h"

namespace {
TsColor g_sharedParentColor = kTransparentColor;
bool g_paintRowsBaselineOnly = false;
}

TsColor SharedParentColor()
{
    return g_sharedParentColor;
}

void SetSharedParentColor(TsColor color)
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
