#include "skin/controls/TsSystemMenu.h"

#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"

#include <QKeySequence>
#include <QPointer>

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

QString TsSystemMenu::SkinNameOfCaption(const QString& caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    return name;
}

void TsSystemMenu::removeSkinMenu()
{
    if (m_skinMenu) {
        removeAction(m_skinMenu->menuAction());
        delete m_skinMenu;
        m_skinMenu = nullptr;
    }
    // The separator goes with it, so showing the menu again does not add another.
    if (m_skinSeparator) {
        removeAction(m_skinSeparator);
        delete m_skinSeparator;
        m_skinSeparator = nullptr;
    }
}

void TsSystemMenu::RebuildSkinMenu(TsSkinManager* manager)
{
    removeSkinMenu();
    if (!manager)
        return;
    QStringList names;
    QString first;
    manager->GetSkinNames(names, first);
    if (names.isEmpty())
        return;
    m_skinMenu = new QMenu(QStringLiteral("Available skins"), this);
    m_skinMenu->menuAction()->setObjectName(QStringLiteral("SkinSelectItem"));
    QPointer<TsSkinManager> target(manager);
    for (int i = 0; i < names.size(); ++i) {
        QAction* item = m_skinMenu->addAction(names[i]);
        item->setObjectName(QStringLiteral("SkinSelectItem%1").arg(i));
        item->setCheckable(true);
        item->setChecked(names[i] == manager->SkinName());
        connect(item, &QAction::triggered, this, [target, item] {
            if (!target)
                return;
            target->SetSkinName(SkinNameOfCaption(item->text()));
            if (!target->Active())
                target->SetActive(true);
        });
    }
    QAction* top = actions().isEmpty() ? nullptr : actions().first();
    insertMenu(top, m_skinMenu);
    m_skinSeparator = new QAction(this);
    m_skinSeparator->setSeparator(true);
    insertAction(top, m_skinSeparator);
}

bool TsSystemMenu::ShowAt(QPoint globalPos, bool makeSkinMenu)
{
    TsSkinManager* manager = TsSkinData::instance().ActiveManager;
    if (!manager || !manager->SkinnedPopups())
        return false;
    if (makeSkinMenu)
        RebuildSkinMenu(manager);
    else
        removeSkinMenu();
    if (TsSkinableMenus* painter = manager->SkinableMenus())
        painter->SkinPopupMenu(this, true);
    popup(globalPos);
    return true;
}
