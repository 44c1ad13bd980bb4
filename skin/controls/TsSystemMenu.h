#pragma once

#include "skin/controls/FormMetrics.h"

#include <QMenu>

#include <array>

enum class TsWindowState { wsNormal, wsMinimized, wsMaximized };

// The skinned form's system menu: Restore, Move, Size, Minimize, Maximize, a separator and
// Close. It is shown only while drop-down menus are skinned; the form's provider keeps its
// items in step with the border style, the title buttons and the window state.
class TsSystemMenu : public QMenu
{
    Q_OBJECT
public:
    enum Item { ItemRestore, ItemMove, ItemSize, ItemMinimize, ItemMaximize, ItemClose, ItemCount };
    struct ItemState
    {
        bool visible = false;
        bool enabled = false;
    };
    using ItemStates = std::array<ItemState, ItemCount>;

    explicit TsSystemMenu(QWidget* parent = nullptr);

    // Which items show and which can be chosen.
    static ItemStates States(TsBorderStyle style, const TsBorderIcons& icons, TsWindowState state);
    void Refresh(TsBorderStyle style, const TsBorderIcons& icons, TsWindowState state);
    QAction* action(Item item) const { return m_actions[item]; }

signals:
    void restoreChosen();
    void moveChosen();
    void sizeChosen();
    void minimizeChosen();
    void maximizeChosen();
    void closeChosen();

private:
    std::array<QAction*, ItemCount> m_actions{};
};
