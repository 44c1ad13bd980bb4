#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves go to the even neighbour (the default rounding mode).
int roundHalfEven(double v) { return int(std::nearbyint(v)); }

constexpr int kMinimumThumb = 14;

} // namespace

// T = 14 without a page, else round(max(L / (max + page - min) * page, 14));
// TC = length div 2 when disabled, 0 for an empty range, else
//      A + T div 2 + round((length - 2A - T) / (max - min) * (position - min)).
ScrollBarGeometry ScrollBarGeometry::compute(const Input& in)
{
    ScrollBarGeometry g;
    g.length = in.length;
    g.arrow = in.arrow;
    g.min = in.min;
    g.max = in.max;
    g.arrow1End = std::min(in.arrow, in.length / 2);
    g.arrow2Start = std::max(in.length - in.arrow, in.length / 2);
    const int track = in.length - 2 * in.arrow;
    const int whole = in.max + in.page - in.min;
    if (in.page <= 0 || whole <= 0)
        g.thumbLength = kMinimumThumb;
    else
        g.thumbLength = roundHalfEven(std::max(double(track) / whole * in.page, double(kMinimumThumb)));
    if (!in.enabled)
        g.thumbCentre = in.length / 2;
    else if (in.max == in.min)
        g.thumbCentre = 0;
    else
        g.thumbCentre = in.arrow + g.thumbLength / 2 +
                        roundHalfEven(double(in.length - 2 * in.arrow - g.thumbLength) / (in.max - in.min) * (in.position - in.min));
    g.thumbStart = g.thumbCentre - g.thumbLength / 2;
    return g;
}

ScrollBarGeometry::Part ScrollBarGeometry::partAt(int p) const
{
    if (p < arrow1End)
        return Arrow1;
    if (p >= arrow2Start)
        return Arrow2;
    if (thumbFits() && max != min && p >= thumbStart && p < thumbStart + thumbLength)
        return Thumb;
    return p < thumbCentre ? Track1 : Track2;
}

// round((p - A - T / 2) * (max - min) / (length - 2A - T)), counted from min so that a
// range that does not start at 0 maps the same way.
int ScrollBarGeometry::positionAt(int p) const
{
    const int travel = length - 2 * arrow - thumbLength;
    if (travel <= 0 || max <= min)
        return min;
    return min + roundHalfEven((p - arrow - thumbLength / 2.0) * (max - min) / travel);
}
