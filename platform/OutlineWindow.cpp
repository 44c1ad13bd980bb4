#include "platform/OutlineWindow.h"

#include <QPainter>
#include <QRegion>

OutlineWindow::OutlineWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                           | Qt::X11BypassWindowManagerHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineWindow::showAround(const QRect& rect)
{
    m_rect = rect;
    if (rect.width() <= 2 * kThickness || rect.height() <= 2 * kThickness) {
        hide();
        return;
    }
    const QRegion ring = QRegion(0, 0, rect.width(), rect.height())
                         - QRegion(kThickness, kThickness, rect.width() - 2 * kThickness, rect.height() - 2 * kThickness);
    const bool resized = size() != rect.size();
    setGeometry(rect);
    if (resized || !isVisible())
        setMask(ring);
    if (!isVisible())
        show();
    update();
}

void OutlineWindow::paintEvent(QPaintEvent*)
{
    // Dark and light dashes stay visible over any desktop.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0));
    QPen pen(QColor(255, 255, 255), kThickness, Qt::CustomDashLine);
    pen.setDashPattern({2, 2});
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
