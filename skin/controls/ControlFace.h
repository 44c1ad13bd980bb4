#pragma once

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/TsParentCache.h"

class QColor;
class QWidget;
class TsCommonData;

// Routines the skinned controls share while they render and copy their faces.

// The parent's picture for a render at the control's position. A parent that offers no
// picture is stood in for by `fallback`, filled with the parent's background colour, so
// that transparent faces show the colour the parent shows.
TsParentCache ParentBackground(const TsCommonData& data, Bitmap24& fallback);

// The parent's background colour, for the disabled look and the radio buttons.
TsColor ParentColour(const QWidget& control);

TsColor ToTsColor(const QColor& colour);

