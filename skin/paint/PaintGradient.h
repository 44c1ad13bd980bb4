#pragma once

#include "skin/paint/TsRect.h"
#include "skin/paint/TsSkinTables.h"

class Bitmap24;

// Paints the gradient steps into rect: bands from top to bottom (mode 0 of the first
// step) or from left to right (mode 1); any other mode, or no steps, paints nothing.
// A step's band covers its share of the extent plus one row (or column), which the
// next step paints again; the last step runs to the far edge.
void PaintGradient(Bitmap24& bitmap, TsRect rect, const TsGradArray& steps);

// round(c1 + k × (c2 − c1) / n) with halves to even, exactly; 0 <= k <= n, n > 0.
int GradientChannel(int c1, int c2, int k, int n);
