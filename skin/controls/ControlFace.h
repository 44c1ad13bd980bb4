#pragma once

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/TsParentCache.h"

#include <QRect>

class QColor;
class QPainter;
class QWidget;
class TsCommonData;

// Routines the skinned controls share while they render and copy their faces.

// Whether a point on the parent's right or bottom edge still counts as inside it.
enum class ParentEdge { CountsOutside, CountsInside };

// The control's rectangle does not lie wholly inside its parent's client rectangle.
bool OutsideParentClient(const QWidget& control, ParentEdge edge);

// The partly-hidden rule before a paint: a control that is (or whose parent is) partly
// hidden renders its face at every paint. Updates PartlyHidden and CacheInvalid and says
// whether the face must be rendered now.
bool FaceNeedsRender(TsCommonData& data, ParentEdge edge);

// The parent's picture for a render at the control's position. A parent that offers no
// picture is stood in for by `fallback`, filled with the parent's background colour, so
// that transparent faces show the colour the parent shows.
TsParentCache ParentBackground(const TsCommonData& data, Bitmap24& fallback);

// The parent's background colour, for the disabled look and the radio buttons.
TsColor ParentColour(const QWidget& control);

TsColor ToTsColor(const QColor& colour);

// Copies the cache to dc everywhere except `hole` (where a live editor shows).
void CopyCacheAround(const TsCommonData& data, QPainter& dc, const QRect& hole);
