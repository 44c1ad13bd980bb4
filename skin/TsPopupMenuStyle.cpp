#include "skin/TsPopupMenuStyle.h"

#include "skin/TsPopupItemPainter.h"
#include "skin/TsSkinableMenus.h"
#include "skin/paint/Bitmap24.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace {

// Qt hands a menu item "caption\tshortcut"; the shortcut column is Qt's own.
QString captionOf(const QString& text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text : text.left(tab);
}

QString shortcutOf(const QString& text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

unsigned drawState(const QStyleOptionMenuItem& item)
{
    unsigned state = 0;
    if (item.state & QStyle::State_Selected)
        state |= odSelected;
    if (!(item.state & QStyle::State_Enabled))
        state |= odDisabled | odGrayed;
    if (item.checked)
        state |= odChecked;
    if (item.menuItemType == QStyleOptionMenuItem::DefaultItem)
        state |= odDefault;
    return state;
}

} // namespace

TsPopupMenuStyle::TsPopupMenuStyle(TsSkinableMenus& menus)
    : m_menus(menus)
{
}

int TsPopupMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize TsPopupMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                         const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const TsPopupItemPainter painter(m_menus);
    const QString caption = item->menuItemType == QStyleOptionMenuItem::Separator ? QStringLiteral("-") : captionOf(item->text);
    // The shortcut column is added by the menu itself.
    return painter.Measure(TsSkinableMenus::MenuFont(), caption, QString());
}

void TsPopupMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    switch (element) {
    case CE_MenuItem:
        drawItem(option, painter, widget);
        return;
    case CE_MenuEmptyArea:
        drawBackground(painter, option->rect, widget);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void TsPopupMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    switch (element) {
    case PE_PanelMenu:
        drawBackground(painter, option->rect, widget);
        return;
    case PE_FrameMenu:
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TsPopupMenuStyle::drawBackground(QPainter* painter, const QRect& rect, const QWidget* widget) const
{
    if (!widget)
        return;
    Bitmap24& background = m_menus.DropDownBackground(widget, widget->size());
    if (background.isNull())
        return;
    const QImage view = background.imageView();
    painter->drawImage(rect.topLeft(), view, rect);
}

void TsPopupMenuStyle::drawItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || !widget || option->rect.isEmpty())
        return;
    const Bitmap24& background = m_menus.DropDownBackground(widget, widget->size());
    TsPopupItem entry;
    entry.caption = item->menuItemType == QStyleOptionMenuItem::Separator ? QStringLiteral("-") : captionOf(item->text);
    entry.shortcut = shortcutOf(item->text);
    entry.enabled = (item->state & State_Enabled) != 0;
    entry.icon = item->icon;
    Bitmap24 picture(option->rect.width(), option->rect.height());
    if (picture.isNull())
        return;
    TsPopupItemPainter(m_menus).Draw(picture, option->rect.topLeft(), entry, drawState(*item), background);
    painter->drawImage(option->rect.topLeft(), picture.imageView());
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow(*option);
        arrow.rect = QRect(option->rect.right() - 12, option->rect.top(), 8, option->rect.height());
        QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
}
