// Drop-down and pop-up items drawn from the skin: sizes, separators, blank caption items,
// hot colours, the drop-down background rendered once, and a real skinned QMenu.
#include "skin/SkinWidgetSupport.h"
#include "skin/TsPopupItemPainter.h"
#include "skin/TsPopupMenuStyle.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/paint/Bitmap24.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBackground = 0x3C5A78;
// MENUITEM's hot colour in the program's skin.
constexpr uint32_t kHot = 685722;

class PopupItemTest : public ::testing::Test
{
protected:
    // An item of w × h drawn at `at` of a drop-down filled with one colour.
    Bitmap24 drawn(const QString& caption, unsigned state, int w, int h, QPoint at = {0, 0})
    {
        Bitmap24 background(200, 100);
        background.fill(kBackground);
        Bitmap24 item(w, h);
        TsPopupItemPainter(menus).Draw(item, at, TsPopupItem{caption, QString(), true, QIcon()}, state, background);
        return item;
    }

    skintest::GoldenSkinScope skin;
    TsSkinableMenus menus{nullptr};
};

TEST_F(PopupItemTest, ItemsAreMeasuredByTheirKind)
{
    const QFont font = TsSkinableMenus::MenuFont();
    const QFontMetrics metrics(font);
    const int line = int(std::nearbyint(1.25 * metrics.height()));
    const auto widthOf = [&](const QString& text) {
        return metrics.boundingRect(QRect(0, 0, 12, 0), Qt::TextSingleLine | Qt::TextExpandTabs, text).width();
    };
    const struct {
        const char* name;
        QString caption, shortcut;
        QSize expected;
    } rows[] = {
        {"divider: two pixels, no text", QStringLiteral("-"), QString(), QSize(2 * 16 + 3 * 4, 2)},
        {"caption between dashes: measured with two more dashes", QStringLiteral("-Раздел-"), QString(),
         QSize(32 + widthOf(QStringLiteral("--Раздел--")) + 12, line + 8)},
        {"normal: at least a glyph high", QStringLiteral("&Открыть"), QString(),
         QSize(32 + widthOf(QStringLiteral("Открыть")) + 12, std::max(line, 16) + 8)},
        {"normal with a shortcut after a tab", QStringLiteral("Выход"), QStringLiteral("Alt+X"),
         QSize(32 + widthOf(QStringLiteral("Выход\tAlt+X")) + 12, std::max(line, 16) + 8)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TsPopupItemPainter(menus).Measure(font, row.caption, row.shortcut), row.expected);
    }
}

TEST_F(PopupItemTest, ASeparatorIsAGreyLineOverAWhiteOneInsetByBorderAndMargin)
{
    menus.BorderWidth = 2;
    const int W = 60, inset = 2 + 4;
    const Bitmap24 item = drawn(QStringLiteral("-"), 0, W, 2);
    for (int x = 0; x < W; ++x) {
        SCOPED_TRACE(x);
        const bool inside = x >= inset && x < W - inset;
        EXPECT_EQ(item.pixel(x, 0), !inside ? kBackground : x == W - inset - 1 ? kWhite : kGrey);
        EXPECT_EQ(item.pixel(x, 1), inside ? kWhite : kBackground);
    }
}

TEST_F(PopupItemTest, ACaptionBetweenDashesIsLeftBlankAndNormalItemsShowTheirState)
{
    const QPoint at(10, 20);
    const Bitmap24 blank = drawn(QStringLiteral("-Раздел-"), odSelected, 80, 24, at);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(blank.pixel(x, y), kBackground) << x << "," << y;

    // A text-free corner: the drop-down shows through normally, the hot colour when selected.
    const struct {
        const char* name;
        unsigned state;
        uint32_t corner;
    } rows[] = {
        {"normal", 0, kBackground},
        {"hot-tracked only: still transparent", odHotLight, kBackground},
        {"selected", odSelected, kHot},
        {"selected and disabled", odSelected | odDisabled, kHot},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Bitmap24 item = drawn(QStringLiteral("Открыть"), row.state, 120, 24, at);
        EXPECT_EQ(item.pixel(1, 1), row.corner);
        EXPECT_EQ(item.pixel(118, 22), row.corner);
    }
}

TEST_F(PopupItemTest, ACheckedItemFramesItsGlyphBox)
{
    const Bitmap24 item = drawn(QStringLiteral("Золотая"), odChecked, 120, 24);
    const int top = (24 - 16) / 2, left = 4;
    EXPECT_EQ(item.pixel(left, top), kGrey);
    EXPECT_EQ(item.pixel(left + 15, top + 15), kWhite);
    // Inside, away from the tick, the background is half way to white.
    const uint32_t inside = item.pixel(left + 2, top + 13);
    for (int shift : {0, 8, 16}) {
        const int expected = (((kBackground >> shift) & 0xFF) + 255) / 2;
        EXPECT_NEAR(int((inside >> shift) & 0xFF), expected, 1);
    }
}

TEST_F(PopupItemTest, OnDrawItemDrawsOverNormalItemsOnly)
{
    QStringList seen;
    menus.OnDrawItem = [&](const QString& caption, Bitmap24& canvas, QRect rect, unsigned state, TsMenuItemType type) {
        seen << QStringLiteral("%1 %2x%3 %4 %5").arg(caption).arg(rect.width()).arg(rect.height()).arg(state).arg(type);
        canvas.setPixel(rect.left(), rect.top(), 0x0000FF);
    };
    const Bitmap24 item = drawn(QStringLiteral("Печать"), odSelected, 90, 24);
    drawn(QStringLiteral("-"), 0, 90, 2);
    drawn(QStringLiteral("-Раздел-"), 0, 90, 24);
    EXPECT_EQ(seen, QStringList{QStringLiteral("Печать 90x24 %1 %2").arg(unsigned(odSelected)).arg(int(smNormal))});
    EXPECT_EQ(item.pixel(0, 0), 0x0000FFu);
}

TEST_F(PopupItemTest, TheDropDownBackgroundIsRenderedOncePerMenuUntilTheSkinChanges)
{
    QMenu first, second;
    Bitmap24* a = &menus.DropDownBackground(&first, QSize(100, 60));
    EXPECT_EQ(&menus.DropDownBackground(&first, QSize(100, 60)), a);
    EXPECT_EQ(menus.BackgroundCount(), 1);
    menus.DropDownBackground(&second, QSize(100, 60));
    EXPECT_EQ(menus.BackgroundCount(), 2);
    // MAINMENU is a gradient, not one colour.
    bool varies = false;
    for (int y = 0; y < 60 && !varies; ++y)
        for (int x = 0; x < 100 && !varies; ++x)
            varies = a->pixel(x, y) != a->pixel(0, 0);
    EXPECT_TRUE(varies);
    menus.ClearBackgrounds();
    EXPECT_EQ(menus.BackgroundCount(), 0);
}

// A real drop-down of a main menu, with a manager in charge.
class SkinnedDropDownTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        manager = std::make_unique<TsSkinManager>();
        menuBar = std::make_unique<QMenuBar>();
        umkd = menuBar->addMenu(QStringLiteral("УМКД"));
        open = umkd->addAction(QStringLiteral("О дисциплине"));
        separator = umkd->addSeparator();
        umkd->addAction(QStringLiteral("Литература"));
        manager->SkinableMenus()->SetActive(true);
    }
    void TearDown() override
    {
        umkd->close();
        menuBar.reset();
        manager.reset();
    }

    skintest::GoldenSkinScope skin;
    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<QMenuBar> menuBar;
    QMenu* umkd = nullptr;
    QAction* open = nullptr;
    QAction* separator = nullptr;
};

TEST_F(SkinnedDropDownTest, TurningSkinnedPopupsOnSkinsTheDropDownAndOffGivesItBack)
{
    manager->SetSkinnedPopups(false);
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
    manager->SetSkinnedPopups(true);
    EXPECT_NE(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
    manager->SetSkinnedPopups(false);
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
    // Without the skin the menus stay plain even with SkinnedPopups.
    manager->SkinableMenus()->SetActive(false);
    manager->SetSkinnedPopups(true);
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(umkd->style()), nullptr);
}

TEST_F(SkinnedDropDownTest, AMenuMadeLaterIsSkinnedWithItsForm)
{
    manager->SetSkinnedPopups(true);
    auto* later = new QMenu(QStringLiteral("Потом"), menuBar.get());
    EXPECT_EQ(dynamic_cast<TsPopupMenuStyle*>(later->style()), nullptr);
    manager->SkinableMenus()->UpdateFormPopups(menuBar.get());
    EXPECT_NE(dynamic_cast<TsPopupMenuStyle*>(later->style()), nullptr);
}

TEST_F(SkinnedDropDownTest, APoppedUpMenuShowsTheSeparatorAndTheHotItemPixelByPixel)
{
    manager->SetSkinnedPopups(true);
    umkd->popup(QPoint(50, 50));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(umkd));
    umkd->setActiveAction(open);
    const QImage shot = umkd->grab().toImage();
    const QRect line = umkd->actionGeometry(separator);
    ASSERT_EQ(line.height(), 2);
    const int x = line.left() + 4 + 1;
    EXPECT_EQ(shot.pixelColor(x, line.top()), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(x, line.top() + 1), QColor(255, 255, 255));
    const QRect hot = umkd->actionGeometry(open);
    EXPECT_EQ(shot.pixelColor(hot.left() + 1, hot.top() + 1), QColor(kHot & 0xFF, (kHot >> 8) & 0xFF, kHot >> 16));
}

} // namespace
