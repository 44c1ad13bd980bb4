#pragma once

#include "skin/controls/FormMetrics.h"

#include <QMenu>

#include <array>

class TsSkinManager;

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

    // The skin-selection submenu at the top: "Available skins" with one sub-item per name
    // the manager lists, then a separator; without a manager or names, none.
    void RebuildSkinMenu(TsSkinManager* manager);
    QMenu* SkinMenu() const { return m_skinMenu; }
    // The skin name a sub-item's caption stands for: the caption without any "&".
    static QString SkinNameOfCaption(const QString& caption);
    // Pops the menu up at a screen point when the manager in charge skins drop-down menus,
    // with the skin submenu when makeSkinMenu is set; false when it is not shown.
    bool ShowAt(QPoint globalPos, bool makeSkinMenu);

signals:
    void restoreChosen();
    void moveChosen();
    void sizeChosen();
    void minimizeChosen();
    void maximizeChosen();
    void closeChosen();

private:
    void removeSkinMenu();

    std::array<QAction*, ItemCount> m_actions{};
    QMenu* m_skinMenu = nullptr;
    QAction* m_skinSeparator = nullptr;
};
