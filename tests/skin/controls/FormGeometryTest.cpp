#include "platform/HitCodes.h"
#include "skin/controls/FormHitTest.h"
#include "skin/controls/FormMetrics.h"
#include "skin/controls/MenuBarLayout.h"

#include <gtest/gtest.h>

namespace {

// The main window with the program's skin: sizeable, 18 × 18 title buttons, a menu bar.
FormMetricsInput mainWindowInput()
{
    FormMetricsInput input;
    input.closeButton = QSize(18, 18);
    return input;
}

TEST(FormGeometryTest, MetricsOfTheMainWindow)
{
    const FormMetrics m = FormMetrics::compute(mainWindowInput());
    EXPECT_EQ(m.FW, 4);
    EXPECT_EQ(m.FH, 4);
    EXPECT_EQ(m.CH, 19);
    EXPECT_EQ(m.BW, 18);
    EXPECT_EQ(m.BH, 18);
    EXPECT_EQ(m.BT, 2);
    EXPECT_EQ(m.ML, 18);
    EXPECT_EQ(m.IW, 16);
    EXPECT_EQ(m.iconRect(), QRect(4, 3, 16, 16));
    EXPECT_EQ(m.clientTop(), 42);
    EXPECT_EQ(m.clientRect(QSize(891, 690)), QRect(4, 42, 883, 644));
    EXPECT_EQ(m.visibleSystemButtons(), 3);
    EXPECT_EQ(m.captionMaxWidth(891), 891 - 20 - 16 - 57);
    // The close button is drawn over x = W - FW - 19 .. W - FW - 2 (to W - FW - 1, exclusive).
    EXPECT_EQ(m.buttonRect(m.closeSlot, 891), QRect(891 - 4 - 19, 2, 18, 18));
    EXPECT_EQ(m.buttonRect(m.maxSlot, 891).left(), 891 - 4 - 38);
    EXPECT_EQ(m.buttonRect(m.minSlot, 891).left(), 891 - 4 - 57);
}

TEST(FormGeometryTest, MetricsByBorderStyle)
{
    const struct {
        const char* name;
        TsBorderStyle style;
        bool menu;
        int fw, fh, ch, clientTop;
        bool icon;
        int close, max, min;
    } rows[] = {
        {"sizeable with menu", TsBorderStyle::bsSizeable, true, 4, 4, 19, 42, true, 1, 2, 3},
        {"sizeable without menu", TsBorderStyle::bsSizeable, false, 4, 4, 19, 24, true, 1, 2, 3},
        {"single: minimise but no maximise", TsBorderStyle::bsSingle, true, 3, 3, 19, 41, true, 1, 0, 2},
        {"dialog: close only, no icon, no menu band", TsBorderStyle::bsDialog, true, 3, 3, 19, 23, false, 1, 0, 0},
        {"tool window", TsBorderStyle::bsToolWindow, false, 3, 4, 15, 20, false, 1, 0, 0},
        {"no border: client from the top", TsBorderStyle::bsNone, false, 0, 0, 0, 1, false, 1, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FormMetricsInput input = mainWindowInput();
        input.style = row.style;
        input.hasMenuBar = row.menu;
        const FormMetrics m = FormMetrics::compute(input);
        EXPECT_EQ(m.FW, row.fw);
        EXPECT_EQ(m.FH, row.fh);
        EXPECT_EQ(m.CH, row.ch);
        EXPECT_EQ(m.clientTop(), row.clientTop);
        EXPECT_EQ(m.iconShown, row.icon);
        EXPECT_EQ(m.closeSlot, row.close);
        EXPECT_EQ(m.maxSlot, row.max);
        EXPECT_EQ(m.minSlot, row.min);
    }
}

TEST(FormGeometryTest, MissingPiecesFallBackToTwentyOneAndHideTheirButtons)
{
    FormMetricsInput input = mainWindowInput();
    input.closeButton = QSize();
    input.hasMinImage = false;
    const FormMetrics m = FormMetrics::compute(input);
    EXPECT_EQ(m.BW, 21);
    EXPECT_EQ(m.BH, 21);
    EXPECT_EQ(m.BT, 1);
    EXPECT_EQ(m.closeSlot, 0);
    EXPECT_EQ(m.maxSlot, 2);
    EXPECT_EQ(m.minSlot, 0);
    FormMetricsInput noSystem = mainWindowInput();
    noSystem.icons.biSystemMenu = false;
    EXPECT_EQ(FormMetrics::compute(noSystem).visibleSystemButtons(), 0);
}

TEST(FormGeometryTest, HitCodesOfTheMainWindow)
{
    const FormMetrics m = FormMetrics::compute(mainWindowInput());
    const QSize size(891, 690);
    const int W = 891, H = 690;
    const struct {
        const char* name;
        FormShow show;
        QPoint p;
        int code;
    } rows[] = {
        {"close, left end", FormShow::Normal, {W - 23, 10}, HTCLOSE},
        {"close, right end", FormShow::Normal, {W - 4, 10}, HTCLOSE},
        {"close, band top", FormShow::Normal, {W - 10, 2}, HTCLOSE},
        {"close, band bottom", FormShow::Normal, {W - 10, 20}, HTCLOSE},
        {"maximise right of close", FormShow::Normal, {W - 24, 10}, HTMAXBUTTON},
        {"maximise, left end", FormShow::Normal, {W - 42, 10}, HTMAXBUTTON},
        {"minimise", FormShow::Normal, {W - 43, 10}, HTMINBUTTON},
        {"minimise, left end", FormShow::Normal, {W - 61, 10}, HTMINBUTTON},
        {"caption left of the buttons", FormShow::Normal, {W - 62, 10}, HTCAPTION},
        {"icon", FormShow::Normal, {10, 10}, HTSYSMENU},
        {"icon, right end", FormShow::Normal, {20, 10}, HTSYSMENU},
        {"caption", FormShow::Normal, {400, 10}, HTCAPTION},
        {"caption row above the band is the top border", FormShow::Normal, {400, 1}, HTTOP},
        {"caption below the band", FormShow::Normal, {400, 21}, HTCAPTION},
        {"top-left corner", FormShow::Normal, {0, 0}, HTTOPLEFT},
        {"left border near the top is the corner", FormShow::Normal, {1, 20}, HTTOPLEFT},
        {"left border", FormShow::Normal, {1, 300}, HTLEFT},
        {"right border", FormShow::Normal, {W - 1, 300}, HTRIGHT},
        {"bottom border", FormShow::Normal, {400, H - 1}, HTBOTTOM},
        {"bottom-right corner", FormShow::Normal, {W - 1, H - 1}, HTBOTTOMRIGHT},
        {"bottom border near the right", FormShow::Normal, {W - 20, H - 2}, HTBOTTOMRIGHT},
        {"bottom-left corner", FormShow::Normal, {3, H - 3}, HTBOTTOMLEFT},
        {"top-right corner wins over close", FormShow::Normal, {W - 2, 1}, HTTOPRIGHT},
        {"menu band", FormShow::Normal, {100, 30}, HTMENU},
        {"client", FormShow::Normal, {100, 42}, HTCLIENT},
        {"maximised: outside the inner rectangle is transparent", FormShow::Maximized, {1, 300}, HTTRANSPARENT},
        {"maximised: right strip", FormShow::Maximized, {W - 4, 300}, HTTRANSPARENT},
        {"maximised: bottom strip", FormShow::Maximized, {400, H - 4}, HTTRANSPARENT},
        {"maximised: inside is no border", FormShow::Maximized, {2, 300}, HTCLIENT},
        {"maximised: caption stays caption", FormShow::Maximized, {400, 10}, HTCAPTION},
        {"maximised: corner is transparent", FormShow::Maximized, {0, 0}, HTTRANSPARENT},
        {"maximised: close still closes", FormShow::Maximized, {W - 10, 10}, HTCLOSE},
        {"outside", FormShow::Normal, {W, 10}, HTNOWHERE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormHitTest(m, size, FormSizing::Sizeable, row.show, row.p), row.code);
    }
}

TEST(FormGeometryTest, AFixedFormIsNotSizedAndButtonsFollowTheBorderIcons)
{
    FormMetricsInput input = mainWindowInput();
    input.style = TsBorderStyle::bsSingle;
    const FormMetrics single = FormMetrics::compute(input);
    const QSize size(400, 300);
    EXPECT_EQ(FormHitTest(single, size, FormSizing::Fixed, FormShow::Normal, {0, 150}), HTCLIENT);
    EXPECT_EQ(FormHitTest(single, size, FormSizing::Fixed, FormShow::Normal, {0, 1}), HTCAPTION);
    // Single: minimise stands in slot 2, where a sizeable form has maximise.
    EXPECT_EQ(FormHitTest(single, size, FormSizing::Fixed, FormShow::Normal, {400 - 3 - 30, 10}), HTMINBUTTON);

    input = mainWindowInput();
    input.icons.biMaximize = false;
    input.icons.biMinimize = false;
    const FormMetrics plain = FormMetrics::compute(input);
    EXPECT_EQ(FormHitTest(plain, size, FormSizing::Sizeable, FormShow::Normal, {400 - 30, 10}), HTCAPTION);
    EXPECT_EQ(FormHitTest(plain, size, FormSizing::Sizeable, FormShow::Normal, {400 - 50, 10}), HTCAPTION);
    EXPECT_EQ(FormHitTest(plain, size, FormSizing::Sizeable, FormShow::Normal, {400 - 10, 10}), HTCLOSE);
}

TEST(FormGeometryTest, MenuBarWrapsAndTheClientTopGrowsByALinePerExtraLine)
{
    FormMetrics m = FormMetrics::compute(mainWindowInput());
    // The nine captions of the main window measure 708 px with the 12 px each adds.
    const std::vector<int> widths = {30, 38, 70, 70, 72, 150, 92, 40, 38};
    const struct {
        const char* name;
        int width;
        int lines;
    } rows[] = {
        {"one line at the designed width", 891, 1},
        {"one line while the room holds every item", 726, 1},
        {"last item wraps one pixel narrower", 725, 2},
        {"two lines at 600", 600, 2},
        {"three lines at 300", 300, 3},
        {"narrower than any item: one item per line, no empty line", 20, 9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MenuBarLayout layout = MenuBarLayout::compute(widths, row.width, m);
        EXPECT_EQ(layout.lines, row.lines);
        ASSERT_EQ(layout.items.size(), widths.size());
        EXPECT_EQ(layout.items.front().topLeft(), QPoint(4, 23));
        for (std::size_t i = 0; i < widths.size(); ++i) {
            EXPECT_EQ(layout.items[i].width(), widths[i] + 12);
            EXPECT_EQ(layout.items[i].height(), 18);
            EXPECT_LE(layout.items[i].bottom(), 23 + 18 * layout.lines - 1);
        }
        m.menuLines = layout.lines;
        EXPECT_EQ(m.clientTop(), 42 + 18 * (row.lines - 1));
    }
    const MenuBarLayout layout = MenuBarLayout::compute(widths, 891, m);
    EXPECT_EQ(layout.itemAt(QPoint(4, 23)), 0);
    EXPECT_EQ(layout.itemAt(QPoint(4 + 42, 30)), 1);
    EXPECT_EQ(layout.itemAt(QPoint(800, 30)), -1);
}

} // namespace
