#include "skin/controls/TsSystemMenu.h"

#include <gtest/gtest.h>

#include <QAction>

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

} // namespace
