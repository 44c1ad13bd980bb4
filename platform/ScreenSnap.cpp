#include "platform/ScreenSnap.h"

#include <cstdlib>

QPoint ScreenSnap::Snapped(const QRect& proposed, const QRect& monitor, int buffer)
{
    int left = proposed.left();
    int top = proposed.top();
    if (left == 0 && top == 0)
        return proposed.topLeft();
    const int width = proposed.width(), height = proposed.height();
    const int monitorRight = monitor.left() + monitor.width();
    const int monitorBottom = monitor.top() + monitor.height();
    if (std::abs(left - monitor.left()) < buffer)
        left = monitor.left();
    if (std::abs(top - monitor.top()) < buffer)
        top = monitor.top();
    if (std::abs(left + width - monitorRight) < buffer)
        left = monitorRight - width;
    if (std::abs(top + height - monitorBottom) < buffer)
        top = monitorBottom - height;
    return QPoint(left, top);
}
