#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class Bitmap24;
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

// The menu painter of the manager in charge. It measures and draws the top-level items of
// a skinned form's menu bar; the form's provider lays the bar out and paints its band.
// Drop-down menus keep the platform's look while the manager's SkinnedPopups is off.
class TsSkinableMenus
{
public:
    explicit TsSkinableMenus(TsSkinManager* manager);

    int Margin = 4;
    int BorderWidth = 0;
    int BevelWidth = 0;
    Qt::Alignment Alignment = Qt::AlignLeft;

    bool Active() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    TsSkinManager* Manager() const { return m_manager; }

    // The menu font: the desktop's menu font in its pixel size.
    static QFont MenuFont();
    // Bar items are a menu line high.
    static int BarItemHeight();
    // The width of a bar item's text: caption and shortcut, less one "&" when there is one.
    static int MeasureBarItem(const QFont& font, const QString& caption, const QString& shortcut);

    // Draws one bar item into r of the form's picture: the MENUITEM background (hot when
    // selected or hot-tracked) over menuBar, the clean bar picture, which starts at
    // barTop of the form's picture; then the caption and shortcut in MENULINE's colours.
    void DrawBarItem(Bitmap24& canvas, QRect r, const QString& caption, const QString& shortcut, bool enabled,
                     unsigned state, const TsParentCache& menuBar, int barTop) const;

private:
    TsSkinManager* m_manager;
    bool m_active = false;
};
