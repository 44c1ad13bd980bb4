#include "skin/controls/MenuBarLayout.h"

#include "skin/controls/FormMetrics.h"

MenuBarLayout MenuBarLayout::compute(const std::vector<int>& widths, int formWidth, const FormMetrics& m)
{
    MenuBarLayout layout;
    const int room = formWidth - 2 * m.FW - 2 * m.borderWidth - 6;
    int x = m.FW, y = m.FH + m.CH;
    for (int w : widths) {
        const int itemWidth = w + m.MX - m.MG;
        // An item wider than a whole line stays on the line it starts, so no line is empty.
        if (room < x + itemWidth && x > m.FW) {
            x = m.FW;
            y += m.ML;
            ++layout.lines;
        }
        layout.items.emplace_back(x, y, itemWidth, m.ML);
        x += itemWidth;
    }
    return layout;
}

int MenuBarLayout::itemAt(QPoint p) const
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].contains(p))
            return int(i);
    }
    return -1;
}
