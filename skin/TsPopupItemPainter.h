#pragma once

#include "skin/TsSkinableMenus.h"

#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>

class Bitmap24;

// One drop-down or pop-up item as the painter sees it.
struct TsPopupItem
{
    QString caption;
    QString shortcut;
    bool enabled = true;
    QIcon icon;
};

// Measures and draws drop-down and pop-up items from "MAINMENU" (the background of the
// whole drop-down), "MENUITEM" (item background and colours) with the menu painter's
// Margin, BorderWidth and Alignment. Items are drawn into a picture of their own size.
class TsPopupItemPainter
{
public:
    explicit TsPopupItemPainter(const TsSkinableMenus& menus) : m_menus(menus) {}

    static TsMenuItemType ItemType(const QString& caption);
    // Glyphs are small icons.
    static QSize GlyphSize() { return QSize(16, 16); }
    // Width: 2 glyph widths + text + 3 margins; height: 2 for a divider, else
    // round(1.25 × height of "W") (at least the glyph's height for a normal item) + 2 margins.
    QSize Measure(const QFont& font, const QString& caption, const QString& shortcut) const;
    // The background of a whole drop-down: "MAINMENU" in its normal state.
    static Bitmap24 RenderBackground(QSize size);
    // Draws the item whose rectangle in the drop-down starts at `at` into `item` (the item's
    // size), over the drop-down's background.
    void Draw(Bitmap24& item, QPoint at, const TsPopupItem& entry, unsigned state, const Bitmap24& background) const;

private:
    void drawCheck(Bitmap24& item, const TsPopupItem& entry, unsigned state) const;
    void drawGlyph(Bitmap24& item, const TsPopupItem& entry, unsigned state) const;
    void drawTexts(Bitmap24& item, const TsPopupItem& entry, unsigned state) const;

    const TsSkinableMenus& m_menus;
};
