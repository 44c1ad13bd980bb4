#include "skin/PaintSharedState.h"

namespace {
TColor g_sharedParentColor = clTransparentMagenta;
}

TColor SharedParentColor()
{
    return g_sharedParentColor;
}

void SetSharedParentColor(TColor color)
{
    g_sharedParentColor = color;
}
