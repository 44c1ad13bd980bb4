#pragma once

#include "skin/paint/Bitmap24.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QMenu;
class QWidget;
class TsPopupMenuStyle;
class TsSkinManager;
struct TsParentCache;

// Owner-draw states of a menu item.
enum TsMenuDrawState : unsigned {
    odSelected = 0x1,
    odGrayed = 0x2,
    odDisabled = 0x4,
    odChecked = 0x8,
    odFocused = 0x10,
    odDefault = 0x20,
    odHotLight = 0x40,
};

// What a menu item is: a caption between dashes, a divider ("-"), a normal item, or a
// top-level item of a menu bar.
enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// The menu painter of the manager in charge. It measures and draws the top-level items of
// a skinned form's menu bar; the form's provider lays the bar out and paints its band.
// Drop-down and pop-up menus keep the platform's look while the manager's SkinnedPopups
// is off; while it is on they are measured and drawn from the skin as well.
class TsSkinableMenus
{
public:
    explicit TsSkinableMenus(TsSkinManager* manager);
    ~TsSkinableMenus();
    TsSkinableMenus(const TsSkinableMenus&) = delete;
    TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

    int Margin = 4;
    int BorderWidth = 0;
    int BevelWidth = 0;
    Qt::Alignment Alignment = Qt::AlignLeft;
    // Raised after an item has been drawn, to draw over it: the item's caption, the picture
    // it was drawn into, its rectangle there, the draw state and the item's type.
    std::function<void(const QString& caption, Bitmap24& canvas, QRect rect, unsigned state, TsMenuItemType type)>
        OnDrawItem;

    bool Active() const { return m_active; }
    // On or off with the skin; the application's drop-down menus follow.
    void SetActive(bool active);
    TsSkinManager* Manager() const { return m_manager; }

    // The menu font: the desktop's menu font in its pixel size.
    static QFont MenuFont();
    // Bar items are a menu line high.
    static int BarItemHeight();
    // A caption as shown: "&&" is a letter, a lone "&" marks the mnemonic and goes.
    static QString WithoutMnemonic(const QString& caption);
    // The text flags of an item alignment.
    static unsigned AlignmentFlags(Qt::Alignment alignment);
    // The width of a bar item's text: caption and shortcut, less one "&" when there is one.
    static int MeasureBarItem(const QFont& font, const QString& caption, const QString& shortcut);

    // Draws one bar item into r of the form's picture: the MENUITEM background (hot when
    // selected or hot-tracked) over menuBar, the clean bar picture, which starts at
    // barTop of the form's picture; then the caption and shortcut in MENULINE's colours.
    void DrawBarItem(Bitmap24& canvas, QRect r, const QString& caption, const QString& shortcut, bool enabled,
                     unsigned state, const TsParentCache& menuBar, int barTop) const;

    // Skins (or gives back to the platform) a drop-down or pop-up menu and its submenus.
    void SkinPopupMenu(QMenu* menu, bool on);
    bool IsPopupSkinned(const QMenu* menu) const;
    // Every menu of the application skinned while active with SkinnedPopups, else plain.
    void UpdatePopups();
    // The same for the menus of one form (at its activation: menus made since are caught).
    void UpdateFormPopups(QWidget* form);
    // The background of a whole drop-down, rendered once per menu and size until the skin
    // changes.
    Bitmap24& DropDownBackground(const QWidget* menu, QSize size);
    int BackgroundCount() const { return int(m_backgrounds.size()); }
    void ClearBackgrounds() { m_backgrounds.clear(); }

private:
    bool popupsWanted() const;

    TsSkinManager* m_manager;
    bool m_active = false;
    std::unique_ptr<TsPopupMenuStyle> m_popupStyle;
    std::vector<QPointer<QMenu>> m_skinnedPopups;
    std::map<const QWidget*, Bitmap24> m_backgrounds;
};
