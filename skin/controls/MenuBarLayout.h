#pragma once

#include <QRect>

#include <vector>

struct FormMetrics;

// Where the items of a form's menu bar stand: lines laid left to right from x = FW under
// the title, an item that would reach past the room of the line starting a new one.
struct MenuBarLayout
{
    std::vector<QRect> items;
    int lines = 1;

    // widths: the measured text widths of the visible items, in order.
    static MenuBarLayout compute(const std::vector<int>& widths, int formWidth, const FormMetrics& m);
    // The index of the item under p, or -1.
    int itemAt(QPoint p) const;
};
