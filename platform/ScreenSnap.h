#pragma once

#include <QPoint>
#include <QRect>

// Snapping a moved window to the edges of its monitor.
class ScreenSnap
{
public:
    // The top-left corner a window of proposed's size takes when dropped at proposed on
    // monitor: within buffer pixels (less than) of an edge it lies on the edge, checked
    // left, top, right, bottom in that order (so the right edge wins over the left for a
    // window wider than the monitor). A proposal at (0, 0) stays as it is.
    static QPoint Snapped(const QRect& proposed, const QRect& monitor, int buffer);
};
