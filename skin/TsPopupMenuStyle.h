#pragma once

#include <QProxyStyle>

class TsSkinableMenus;

// The style a skinned drop-down or pop-up menu is given: its items are measured and drawn
// by the menu painter's pop-up rules, and the menu's panel shows the drop-down background.
// Everything else is the application's style.
class TsPopupMenuStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit TsPopupMenuStyle(TsSkinableMenus& menus);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    void drawBackground(QPainter* painter, const QRect& rect, const QWidget* widget) const;
    void drawItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    TsSkinableMenus& m_menus;
};
