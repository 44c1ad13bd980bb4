#include "platform/ScreenSnap.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenSnapTest, ADroppedWindowSnapsToTheMonitorEdgesWithinTheBuffer)
{
    const QRect monitor(0, 0, 1024, 768);
    const QSize size(300, 200);
    const struct {
        const char* name;
        QRect monitor;
        QPoint proposed;
        int buffer;
        QPoint expected;
    } rows[] = {
        {"7 px from the left edge snaps", monitor, {7, 100}, 10, {0, 100}},
        {"10 px from the left edge stays", monitor, {10, 100}, 10, {10, 100}},
        {"9 px past the left edge snaps back", monitor, {-9, 100}, 10, {0, 100}},
        {"top within the buffer", monitor, {400, 3}, 10, {400, 0}},
        {"right edge: 1024 - 300 - 6", monitor, {718, 300}, 10, {724, 300}},
        {"bottom edge: 768 - 200 + 4", monitor, {200, 572}, 10, {200, 568}},
        {"a corner snaps both ways", monitor, {5, 563}, 10, {0, 568}},
        {"far from every edge", monitor, {300, 300}, 10, {300, 300}},
        {"buffer 0 never snaps", monitor, {1, 1}, 0, {1, 1}},
        {"(0, 0) is left alone", monitor, {0, 0}, 10, {0, 0}},
        {"second monitor to the right", QRect(1024, 0, 800, 600), {1030, 50}, 10, {1024, 50}},
        {"right wins over left for a window as wide as the monitor", QRect(0, 0, 305, 768), {3, 100}, 10, {5, 100}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ScreenSnap::Snapped(QRect(row.proposed, size), row.monitor, row.buffer), row.expected);
    }
}

} // namespace
