#include "skin/controls/TsSystemMenu.h"

#include <QKeySequence>

TsSystemMenu::TsSystemMenu(QWidget* parent)
    : QMenu(parent)
{
    const struct {
        Item item;
        const char* name;
        const char* caption;
        void (TsSystemMenu::*chosen)();
    } items[] = {
        {ItemRestore, "ItemRestore", "Restore", &TsSystemMenu::restoreChosen},
        {ItemMove, "ItemMove", "Move", &TsSystemMenu::moveChosen},
        {ItemSize, "Itemsize", "Size", &TsSystemMenu::sizeChosen},
        {ItemMinimize, "ItemMinimize", "Minimize", &TsSystemMenu::minimizeChosen},
        {ItemMaximize, "ItemMaximize", "Maximize", &TsSystemMenu::maximizeChosen},
        {ItemClose, "ItemClose", "Close", &TsSystemMenu::closeChosen},
    };
    for (const auto& entry : items) {
        if (entry.item == ItemClose)
            addSeparator();
        QAction* action = addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.chosen);
        m_actions[entry.item] = action;
    }
    m_actions[ItemClose]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

TsSystemMenu::ItemStates TsSystemMenu::States(TsBorderStyle style, const TsBorderIcons& icons, TsWindowState state)
{
    const bool single = style == TsBorderStyle::bsSingle;
    const bool sizeable = style == TsBorderStyle::bsSizeable;
    const bool system = icons.biSystemMenu;
    ItemStates states;
    states[ItemRestore] = {system && (single || sizeable), icons.biMaximize && state != TsWindowState::wsNormal};
    states[ItemMove] = {true, state != TsWindowState::wsMaximized};
    states[ItemSize] = {single || sizeable || style == TsBorderStyle::bsSizeToolWin, !single};
    states[ItemMinimize] = {system && (single || sizeable), icons.biMinimize && state != TsWindowState::wsMinimized};
    states[ItemMaximize] = {system && sizeable, icons.biMaximize && state != TsWindowState::wsMaximized};
    states[ItemClose] = {system, true};
    return states;
}

void TsSystemMenu::Refresh(TsBorderStyle style, const TsBorderIcons& icons, TsWindowState state)
{
    const ItemStates states = States(style, icons, state);
    for (int i = 0; i < ItemCount; ++i) {
        m_actions[std::size_t(i)]->setVisible(states[std::size_t(i)].visible);
        m_actions[std::size_t(i)]->setEnabled(states[std::size_t(i)].enabled);
    }
}
