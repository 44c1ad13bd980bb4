#pragma once

#include <QSize>

class QWidget;

// The three window borders of the program and the placement rules of its layouts.
namespace WindowStyle {

// The designed windows give a sizeable window's outer size; the platform's frame is
// drawn by the window manager, so the client area is the outer size less a classic frame.
constexpr int kFrameSide = 4;
constexpr int kFrameTitle = 23;
QSize clientSizeForOuter(QSize outer);

// No border and no title bar (the splash).
void setNoBorder(QWidget& window, QSize client);
// Fixed size, title bar with a close button only.
void setDialogBorder(QWidget& window, QSize client);
// Resizable, with minimise, maximise and close buttons.
void setSizeableBorder(QWidget& window, QSize outer);

void centreOnScreen(QWidget& window);

// Shows a window of the window set, never modally, and brings it to the front.
void showWindow(QWidget& window);

} // namespace WindowStyle
