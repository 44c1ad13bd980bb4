#include "platform/HitCodes.h"
#include "skin/SkinWidgetSupport.h"
#include "skin/StoredSkinText.h"
#include "skin/TsPopupMenuStyle.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsSystemMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// Visible items as letters R M S N X C (restore, move, size, minimise, maximise, close),
// a lower-case letter for a visible but disabled item.
QString shown(const TsSystemMenu::ItemStates& states)
{
    const char letters[] = "RMSNXC";
    QString result;
    for (int i = 0; i < TsSystemMenu::ItemCount; ++i) {
        if (states[std::size_t(i)].visible)
            result += states[std::size_t(i)].enabled ? QChar(letters[i]) : QChar(letters[i]).toLower();
    }
    return result;
}

TEST(SystemMenuTest, ItemsFollowTheBorderStyleTheIconsAndTheWindowState)
{
    const TsBorderIcons all;
    TsBorderIcons noMaximize;
    noMaximize.biMaximize = false;
    TsBorderIcons noSystem;
    noSystem.biSystemMenu = false;
    const struct {
        const char* name;
        TsBorderStyle style;
        TsBorderIcons icons;
        TsWindowState state;
        const char* expected;
    } rows[] = {
        {"sizeable, normal: restore off", TsBorderStyle::bsSizeable, all, TsWindowState::wsNormal, "rMSNXC"},
        {"sizeable, maximised: no move, no maximise", TsBorderStyle::bsSizeable, all, TsWindowState::wsMaximized, "RmSNxC"},
        {"sizeable, minimised: no minimise", TsBorderStyle::bsSizeable, all, TsWindowState::wsMinimized, "RMSnXC"},
        {"single: size shown but off, no maximise", TsBorderStyle::bsSingle, all, TsWindowState::wsNormal, "rMsNC"},
        {"dialog: move and close only", TsBorderStyle::bsDialog, all, TsWindowState::wsNormal, "MC"},
        {"size tool window", TsBorderStyle::bsSizeToolWin, all, TsWindowState::wsNormal, "MSC"},
        {"without maximise icon", TsBorderStyle::bsSizeable, noMaximize, TsWindowState::wsMaximized, "rmSNxC"},
        {"without system menu", TsBorderStyle::bsSizeable, noSystem, TsWindowState::wsNormal, "MS"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shown(TsSystemMenu::States(row.style, row.icons, row.state)), QString::fromLatin1(row.expected));
    }
}

TEST(SystemMenuTest, TheMenuCarriesItsItemsAndTheirCommands)
{
    TsSystemMenu menu;
    QStringList names;
    for (QAction* action : menu.actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(names, QStringList({"ItemRestore", "ItemMove", "Itemsize", "ItemMinimize", "ItemMaximize", "-", "ItemClose"}));
    int closes = 0;
    QObject::connect(&menu, &TsSystemMenu::closeChosen, [&] { ++closes; });
    menu.Refresh(TsBorderStyle::bsDialog, TsBorderIcons(), TsWindowState::wsNormal);
    EXPECT_FALSE(menu.action(TsSystemMenu::ItemRestore)->isVisible());
    menu.action(TsSystemMenu::ItemClose)->trigger();
    EXPECT_EQ(closes, 1);
}

// Names of the menu's entries, "-" for a separator.
QStringList entries(const QMenu& menu)
{
    QStringList names;
    for (QAction* action : menu.actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

// A manager in charge with the program's skin and a second stored skin, "Alpha".
class SkinMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TsStoredSkins skins = builtInStoredSkins();
        TsStoredSkin alpha = skins.front();
        alpha.Name = QStringLiteral("Alpha");
        skins.push_back(alpha);
        manager->SetInternalSkins(skins);
        manager->SetSkinDirectory(QStringLiteral("/nonexistent-skins"));
        manager->SetSkinName(QStringLiteral("Golden (internal)"));
        manager->Loaded();
    }

    skintest::GoldenSkinScope skin;
    std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>();
};

TEST_F(SkinMenuTest, TheSkinSubmenuListsTheNamesAtTheTopOnceHoweverOftenItIsBuilt)
{
    TsSystemMenu menu;
    menu.RebuildSkinMenu(manager.get());
    menu.RebuildSkinMenu(manager.get());
    EXPECT_EQ(entries(menu), QStringList({"SkinSelectItem", "-", "ItemRestore", "ItemMove", "Itemsize", "ItemMinimize",
                                          "ItemMaximize", "-", "ItemClose"}));
    ASSERT_NE(menu.SkinMenu(), nullptr);
    EXPECT_EQ(menu.actions().first()->text(), QStringLiteral("Available skins"));
    EXPECT_EQ(entries(*menu.SkinMenu()), QStringList({"SkinSelectItem0", "SkinSelectItem1"}));
    EXPECT_EQ(menu.SkinMenu()->actions()[0]->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(menu.SkinMenu()->actions()[1]->text(), QStringLiteral("Golden (internal)"));

    // Without a manager, or with one that lists nothing, there is no submenu.
    menu.RebuildSkinMenu(nullptr);
    EXPECT_EQ(menu.SkinMenu(), nullptr);
    EXPECT_EQ(entries(menu).first(), QStringLiteral("ItemRestore"));
    TsSkinManager passive;
    passive.SetSkinDirectory(QStringLiteral("/nonexistent-skins"));
    menu.RebuildSkinMenu(&passive);
    EXPECT_EQ(menu.SkinMenu(), nullptr);
}

TEST_F(SkinMenuTest, ASubItemWithAnAmpersandSelectsTheSkinWithoutItAndActivatesTheManager)
{
    TsSystemMenu menu;
    menu.RebuildSkinMenu(manager.get());
    manager->SetActive(false);
    ASSERT_FALSE(TsSkinData::instance().SkinReady);
    QAction* alpha = menu.SkinMenu()->actions()[0];
    // The platform may mark a letter of the caption for the keyboard.
    alpha->setText(QStringLiteral("&Alpha"));
    alpha->trigger();
    EXPECT_EQ(manager->SkinName(), QStringLiteral("Alpha"));
    EXPECT_TRUE(manager->Active());
    EXPECT_TRUE(TsSkinData::instance().SkinReady);
    EXPECT_EQ(TsSystemMenu::SkinNameOfCaption(QStringLiteral("R&&D &Skin")), QStringLiteral("RD Skin"));
}

// The menu opens from the title icon and from a right click on the title, only while the
// manager skins drop-down menus.
class SystemMenuPopupTest : public SkinMenuTest
{
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        layout->setContentsMargins(0, 0, 0, 0);
        auto* client = new QWidget(form.get());
        layout->addWidget(client);
        form->resize(400, 300);
        provider = new TsSkinProvider(form.get(), client, nullptr, QSize(408, 326));
        form->show();
        form->move(100, 100);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        form.reset();
    }

    void mouse(QEvent::Type type, QPoint p, Qt::MouseButton button)
    {
        QMouseEvent event(type, QPointF(p), QPointF(form->mapToGlobal(p)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    }
    void click(QPoint p, Qt::MouseButton button)
    {
        mouse(QEvent::MouseButtonPress, p, button);
        mouse(QEvent::MouseButtonRelease, p, button);
    }

    std::unique_ptr<QWidget> form;
    TsSkinProvider* provider = nullptr;
};

TEST_F(SystemMenuPopupTest, TheTitleOpensTheSkinnedMenuOnlyWhilePopupsAreSkinned)
{
    TsSystemMenu* menu = provider->SystemMenuObject();
    const QPoint caption(150, 10);
    const QPoint icon = provider->Metrics().iconRect().center();
    ASSERT_EQ(provider->HitTest(caption), HTCAPTION);
    ASSERT_EQ(provider->HitTest(icon), HTSYSMENU);

    manager->SetSkinnedPopups(false);
    click(caption, Qt::RightButton);
    click(icon, Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());

    manager->SetSkinnedPopups(true);
    click(caption, Qt::RightButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_NE(dynamic_cast<TsPopupMenuStyle*>(menu->style()), nullptr);
    ASSERT_NE(menu->SkinMenu(), nullptr);
    EXPECT_TRUE(manager->SkinableMenus()->IsPopupSkinned(menu->SkinMenu()));
    // A sizeable, normal window: Restore disabled, the rest on.
    EXPECT_FALSE(menu->action(TsSystemMenu::ItemRestore)->isEnabled());
    EXPECT_TRUE(menu->action(TsSystemMenu::ItemMaximize)->isEnabled());
    menu->close();

    click(icon, Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    // Below the icon.
    const QPoint expected = form->mapToGlobal(QPoint(provider->Metrics().FW, provider->Metrics().FH + provider->Metrics().IH));
    EXPECT_EQ(menu->pos(), expected);
}

TEST_F(SystemMenuPopupTest, TheMessageFormsKindOfProviderShowsNoSkinSubmenu)
{
    manager->SetSkinnedPopups(true);
    provider->MakeSkinMenu = false;
    ASSERT_TRUE(provider->ShowSystemMenu(form->mapToGlobal(QPoint(20, 20))));
    EXPECT_EQ(provider->SystemMenuObject()->SkinMenu(), nullptr);
}

} // namespace
