// Where the main window's controls go as the window grows and shrinks.
#include "app/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <QString>

#include <utility>

namespace {

// The main window's layout file: client 883 × 644, the controls as designed.
const QSize kDesignedClient(883, 644);
const MainWindowLayout::Rects kDesigned{QRect(8, 8, 689, 65), QRect(8, 20, 673, 28), QRect(704, 8, 169, 65),
                                        QRect(8, 80, 865, 545), QRect()};
constexpr int kBar = 16;
const MainWindowLayout kLayout(kDesignedClient, kDesigned, kBar);

// The room each size gives the controls: the document grows by it in both directions, the
// group box and the combo in width, and the button moves right by it.
TEST(MainWindowLayoutTest, SizesGiveTheirRoom)
{
    const struct {
        const char* name;
        QSize client;
        QSize room;
    } rows[] = {
        {"designed", {883, 644}, {0, 0}},
        {"larger", {1083, 744}, {200, 100}},
        // A 1280 × 1024 screen, maximised: frame 4, caption and one menu line.
        {"maximised", {1272, 978}, {389, 334}},
        {"smaller", {792, 536}, {0, 0}},
        // Narrow: the horizontal bar shows and takes its 16 pixels from the height.
        {"narrower only", {700, 900}, {0, 900 - 644 - 16}},
        {"wider but short", {1200, 554}, {1200 - 883 - 16, 0}},
        // The regression row: a vertical bar's thickness must not push a horizontal one in.
        {"one pixel wider, short", {884, 600}, {0, 0}},
        {"taller only", {883, 700}, {0, 56}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int dw = row.room.width(), dh = row.room.height();
        EXPECT_EQ(kLayout.growth(row.client), row.room);
        const MainWindowLayout::Rects rects = kLayout.place(row.client, QSize());
        EXPECT_EQ(rects.document, kDesigned.document.adjusted(0, 0, dw, dh));
        EXPECT_EQ(rects.button, kDesigned.button.translated(dw, 0));
        EXPECT_EQ(rects.groupBox, kDesigned.groupBox.adjusted(0, 0, dw, 0));
        EXPECT_EQ(rects.combo, kDesigned.combo.adjusted(0, 0, dw, 0));
        EXPECT_TRUE(rects.findBar.isNull());
    }
}

// The scroll bars' own rule: a bar shows when the controls pass the client, less the other
// bar's thickness. Growing must never bring in a bar the designed controls would not need,
// and must not leave the gaps of the layout behind.
TEST(MainWindowLayoutTest, GrowingNeverCallsABarAndKeepsTheGaps)
{
    // The bars settle in three rounds, each adding its thickness to the other direction.
    const auto bars = [](QRect document, QSize client) {
        bool horz = false, vert = false;
        for (int round = 0; round < 3; ++round) {
            horz = document.right() + 1 + (vert ? kBar : 0) > client.width();
            vert = document.bottom() + 1 + (horz ? kBar : 0) > client.height();
        }
        return std::pair(horz, vert);
    };
    const QRect home = kDesigned.document;
    for (int w = 600; w <= 1400; w += 7) {
        for (int h = 450; h <= 1100; h += 11) {
            const QSize client(w, h);
            SCOPED_TRACE(QStringLiteral("%1 × %2").arg(w).arg(h).toStdString());
            const MainWindowLayout::Rects rects = kLayout.place(client, QSize());
            const auto [horz, vert] = bars(rects.document, client);
            ASSERT_EQ(std::pair(horz, vert), bars(home, client));
            const QSize grow = kLayout.growth(client);
            if (grow.width() > 0) {
                ASSERT_EQ(w - rects.document.right() - (vert ? kBar : 0), kDesignedClient.width() - home.right());
                ASSERT_EQ(rects.groupBox.right() + 1 + 7, rects.button.x()) << "the gap before the button";
                ASSERT_EQ(rects.button.right(), rects.document.right()) << "the button ends where the document does";
            }
            if (grow.height() > 0)
                ASSERT_EQ(h - rects.document.bottom() - (horz ? kBar : 0), kDesignedClient.height() - home.bottom());
            if (grow == QSize(0, 0)) {
                ASSERT_EQ(rects.document, home);
                ASSERT_EQ(rects.button, kDesigned.button);
                ASSERT_EQ(rects.groupBox, kDesigned.groupBox);
            }
        }
    }
}

// An open find bar takes the document's top rows, 16 pixels in from its right edge so the
// page's own scroll bar stays uncovered.
TEST(MainWindowLayoutTest, AnOpenFindBarTakesTheDocumentsTopRows)
{
    const struct {
        const char* name;
        QSize client;
        QSize bar;
        int rightRoom;
    } rows[] = {
        {"designed", {883, 644}, {380, 30}, 16},
        {"larger", {1083, 744}, {380, 30}, 16},
        {"smaller keeps the designed place", {700, 500}, {380, 30}, 16},
        // A bar wider than the document is cut to it, never left of it.
        {"wide bar", {883, 644}, {900, 30}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MainWindowLayout::Rects rects = kLayout.place(row.client, row.bar);
        const QRect room = kLayout.place(row.client, QSize()).document;
        EXPECT_EQ(rects.findBar.topRight(), room.topRight() - QPoint(row.rightRoom, 0));
        EXPECT_EQ(rects.findBar.size(), row.rightRoom ? row.bar : QSize(room.width(), row.bar.height()));
        EXPECT_FALSE(rects.findBar.intersects(rects.document)) << "the bar covers no line of the document";
        EXPECT_EQ(rects.document.united(rects.findBar), room) << "together they fill the document's room";
    }
}

} // namespace
