#include "ui/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowStyle {

QSize clientSizeForOuter(QSize outer)
{
    return QSize(outer.width() - 2 * kFrameSide, outer.height() - 2 * kFrameSide - kFrameTitle);
}

void setNoBorder(QWidget& window, QSize client)
{
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(client);
}

void setDialogBorder(QWidget& window, QSize client)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint);
    window.setFixedSize(client);
}

void setSizeableBorder(QWidget& window, QSize outer)
{
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window.resize(clientSizeForOuter(outer));
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = window.size();
    window.move(available.x() + (available.width() - size.width()) / 2,
                available.y() + (available.height() - size.height()) / 2);
}

void showWindow(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace WindowStyle
