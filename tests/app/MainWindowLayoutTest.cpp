// Where the main window's controls go as the window grows and shrinks.
#include "app/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <QString>

#include <utility>

namespace {

// The main window's layout file: client 883 × 644, the controls as designed.
MainWindowLayout::Rects designed()
{
    MainWindowLayout::Rects rects;
    rects.groupBox = QRect(8, 8, 689, 65);
    rects.combo = QRect(8, 20, 673, 28);
    rects.button = QRect(704, 8, 169, 65);
    rects.document = QRect(8, 80, 865, 545);
    return rects;
}

const QSize kDesignedClient(883, 644);
constexpr int kBar = 16;

MainWindowLayout layout()
{
    return MainWindowLayout(kDesignedClient, designed(), kBar);
}

std::string text(QRect r)
{
    return QStringLiteral("(%1, %2, %3 × %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

TEST(MainWindowLayoutTest, SizesGiveTheirRectangles)
{
    const struct {
        const char* name;
        QSize client;
        QRect document;
        int buttonX;
        int groupWidth;
        int comboWidth;
    } rows[] = {
        {"designed", {883, 644}, {8, 80, 865, 545}, 704, 689, 673},
        {"larger", {1083, 744}, {8, 80, 1065, 645}, 904, 889, 873},
        // A 1280 × 1024 screen, maximised: frame 4, caption and one menu line.
        {"maximised", {1272, 978}, {8, 80, 1254, 879}, 1093, 1078, 1062},
        {"smaller", {792, 536}, {8, 80, 865, 545}, 704, 689, 673},
        {"narrower only", {700, 900}, {8, 80, 865, 545 + 900 - 644 - kBar}, 704, 689, 673},
        // Short: the vertical bar shows and lends its 16 pixels from the width.
        {"wider but short", {1200, 554}, {8, 80, 1200 - 883 - kBar + 865, 545}, 704 + 1200 - 883 - kBar, 689 + 301, 673 + 301},
        // The regression row: a vertical bar's thickness must not push a horizontal one in.
        {"one pixel wider, short", {884, 600}, {8, 80, 865, 545}, 704, 689, 673},
        {"taller only", {883, 700}, {8, 80, 865, 601}, 704, 689, 673},
    };
    const MainWindowLayout under = layout();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MainWindowLayout::Rects rects = under.place(row.client, QSize());
        EXPECT_EQ(rects.document, row.document) << text(rects.document);
        EXPECT_EQ(rects.button, QRect(row.buttonX, 8, 169, 65)) << text(rects.button);
        EXPECT_EQ(rects.groupBox, QRect(8, 8, row.groupWidth, 65)) << text(rects.groupBox);
        EXPECT_EQ(rects.combo, QRect(8, 20, row.comboWidth, 28)) << text(rects.combo);
        EXPECT_TRUE(rects.findBar.isNull());
    }
}

// The scroll bars' own rule: a bar shows when the controls (plus two pixels) pass the
// client, less the other bar's thickness. Growing must never bring in a bar the designed
// controls would not need, and must not leave the gaps of the layout behind.
TEST(MainWindowLayoutTest, GrowingNeverCallsABarAndKeepsTheGaps)
{
    const MainWindowLayout under = layout();
    const MainWindowLayout::Rects home = designed();
    // The bars settle in three rounds, each adding its thickness to the other direction.
    const auto bars = [](int right, int bottom, QSize client) {
        bool horz = false, vert = false;
        for (int round = 0; round < 3; ++round) {
            horz = right + (vert ? kBar : 0) > client.width();
            vert = bottom + (horz ? kBar : 0) > client.height();
        }
        return std::pair(horz, vert);
    };
    const int homeRight = home.document.right() + 1;
    const int homeBottom = home.document.bottom() + 1;
    for (int w = 600; w <= 1400; w += 7) {
        for (int h = 450; h <= 1100; h += 11) {
            const QSize client(w, h);
            SCOPED_TRACE(QStringLiteral("%1 × %2").arg(w).arg(h).toStdString());
            const MainWindowLayout::Rects rects = under.place(client, QSize());
            const int right = rects.document.right() + 1, bottom = rects.document.bottom() + 1;
            const auto [horz, vert] = bars(right, bottom, client);
            ASSERT_EQ(std::pair(horz, vert), bars(homeRight, homeBottom, client));
            const QSize grow = under.growth(client);
            if (grow.width() > 0) {
                ASSERT_EQ(w - right - (vert ? kBar : 0), kDesignedClient.width() - homeRight);
                ASSERT_EQ(rects.groupBox.right() + 1 + 7, rects.button.x()) << "the gap before the button";
                ASSERT_EQ(rects.button.right(), rects.document.right()) << "the button ends where the document does";
            }
            if (grow.height() > 0)
                ASSERT_EQ(h - bottom - (horz ? kBar : 0), kDesignedClient.height() - homeBottom);
            if (grow == QSize(0, 0)) {
                ASSERT_EQ(rects.document, home.document);
                ASSERT_EQ(rects.button, home.button);
                ASSERT_EQ(rects.groupBox, home.groupBox);
            }
        }
    }
}

TEST(MainWindowLayoutTest, AnOpenFindBarTakesTheDocumentsTopRows)
{
    const struct {
        const char* name;
        QSize client;
        QSize bar;
        QRect findBar;
        QRect document;
    } rows[] = {
        {"designed", {883, 644}, {380, 30}, {8 + 865 - 380 - 16, 80, 380, 30}, {8, 110, 865, 515}},
        {"larger", {1083, 744}, {380, 30}, {8 + 1065 - 380 - 16, 80, 380, 30}, {8, 110, 1065, 615}},
        {"smaller keeps the designed place", {700, 500}, {380, 30}, {477, 80, 380, 30}, {8, 110, 865, 515}},
        // A bar wider than the document is cut to it, never left of it.
        {"wide bar", {883, 644}, {900, 30}, {8, 80, 865, 30}, {8, 110, 865, 515}},
    };
    const MainWindowLayout under = layout();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MainWindowLayout::Rects rects = under.place(row.client, row.bar);
        EXPECT_EQ(rects.findBar, row.findBar) << text(rects.findBar);
        EXPECT_EQ(rects.document, row.document) << text(rects.document);
        EXPECT_FALSE(rects.findBar.intersects(rects.document)) << "the bar covers no line of the document";
        const MainWindowLayout::Rects closed = under.place(row.client, QSize());
        EXPECT_EQ(rects.document.united(rects.findBar), closed.document) << "together they fill the document's room";
    }
}

} // namespace
