#include "platform/WindowCommands.h"

#include "platform/HitCodes.h"
#include "platform/OutlineWindow.h"
#include "platform/ScreenSnap.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

struct Edges
{
    bool left = false, top = false, right = false, bottom = false;
};

Edges edgesOf(int hitCode)
{
    switch (hitCode) {
    case HTLEFT: return {true, false, false, false};
    case HTRIGHT: return {false, false, true, false};
    case HTTOP: return {false, true, false, false};
    case HTBOTTOM: return {false, false, false, true};
    case HTTOPLEFT: return {true, true, false, false};
    case HTTOPRIGHT: return {false, true, true, false};
    case HTBOTTOMLEFT: return {true, false, false, true};
    case HTBOTTOMRIGHT: return {false, false, true, true};
    default: return {};
    }
}

Qt::Edges qtEdges(const Edges& e)
{
    Qt::Edges result;
    if (e.left)
        result |= Qt::LeftEdge;
    if (e.top)
        result |= Qt::TopEdge;
    if (e.right)
        result |= Qt::RightEdge;
    if (e.bottom)
        result |= Qt::BottomEdge;
    return result;
}

QRect availableGeometryFor(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : window.geometry();
}

} // namespace

WindowCommands::WindowCommands(QWidget& window)
    : m_window(window)
{
}

WindowCommands::~WindowCommands() = default;

QRect WindowCommands::movedRect(const QRect& start, QPoint delta)
{
    return start.translated(delta);
}

QRect WindowCommands::resizedRect(const QRect& start, int hitCode, QPoint delta, QSize minimum)
{
    const Edges e = edgesOf(hitCode);
    // Edges as exclusive coordinates, so that a width is simply right - left.
    int left = start.left(), top = start.top();
    int right = start.left() + start.width(), bottom = start.top() + start.height();
    if (e.left)
        left = std::min(left + delta.x(), right - minimum.width());
    if (e.right)
        right = std::max(right + delta.x(), left + minimum.width());
    if (e.top)
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (e.bottom)
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}

void WindowCommands::startMove(QPoint globalPos)
{
    m_drag = Drag::None;
    if (QWindow* handle = m_window.windowHandle(); !ourLoopOnly() && handle && handle->startSystemMove())
        return;
    m_drag = Drag::Move;
    m_startMouse = globalPos;
    m_startRect = m_window.geometry();
    m_current = m_startRect;
    if (ResizeMode == rmBorder)
        follow(m_current);
}

void WindowCommands::startResize(int hitCode, QPoint globalPos, QSize minimum)
{
    m_drag = Drag::None;
    if (!isSizingCode(hitCode))
        return;
    if (QWindow* handle = m_window.windowHandle();
        !ourLoopOnly() && handle && handle->startSystemResize(qtEdges(edgesOf(hitCode))))
        return;
    m_drag = Drag::Resize;
    m_hitCode = hitCode;
    m_startMouse = globalPos;
    m_startRect = m_window.geometry();
    m_current = m_startRect;
    m_minimum = minimum;
    if (ResizeMode == rmBorder)
        follow(m_current);
}

void WindowCommands::startMoveByMenu(QPoint globalPos)
{
    // A window manager moves only from a press; from the menu our loop follows.
    m_ownLoop = true;
    startMove(globalPos);
    m_ownLoop = false;
    grabWhileDragging();
}

// A window manager's move would start where the pointer is now and leave the window the drag
// distance behind it, so our loop follows from the press instead.
void WindowCommands::continueMove(QPoint pressPos, QPoint globalPos)
{
    m_ownLoop = true;
    startMove(pressPos);
    m_ownLoop = false;
    dragTo(globalPos);
}

void WindowCommands::startResizeByMenu(QPoint globalPos, QSize minimum)
{
    m_ownLoop = true;
    startResize(HTBOTTOMRIGHT, globalPos, minimum);
    m_ownLoop = false;
    grabWhileDragging();
}

void WindowCommands::grabWhileDragging()
{
    m_grabbed = dragging();
    if (m_grabbed)
        m_window.grabMouse();
}

QRect WindowCommands::snapped(const QRect& rect) const
{
    if (!ScreenSnap)
        return rect;
    const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return rect;
    return QRect(ScreenSnap::Snapped(rect, screen->geometry(), SnapBuffer), rect.size());
}

void WindowCommands::follow(const QRect& rect)
{
    m_current = rect;
    if (ResizeMode == rmBorder) {
        if (!m_outline)
            m_outline = std::make_unique<OutlineWindow>();
        m_outline->showAround(rect);
    } else if (m_drag == Drag::Move) {
        m_window.move(rect.topLeft());
    } else {
        m_window.setGeometry(rect);
    }
}

void WindowCommands::dragTo(QPoint globalPos)
{
    const QPoint delta = globalPos - m_startMouse;
    if (m_drag == Drag::Move)
        follow(snapped(movedRect(m_startRect, delta)));
    else if (m_drag == Drag::Resize)
        follow(resizedRect(m_startRect, m_hitCode, delta, m_minimum));
}

void WindowCommands::endDrag()
{
    if (m_grabbed) {
        m_window.releaseMouse();
        m_grabbed = false;
    }
    if (m_drag != Drag::None && m_outline && m_outline->isVisible()) {
        // One move or resize, to where the outline was.
        m_outline->hide();
        if (m_drag == Drag::Move)
            m_window.move(m_current.topLeft());
        else
            m_window.setGeometry(m_current);
    }
    m_drag = Drag::None;
}

// The state goes to the window manager and the geometry is set as well: a window manager
// maximises to the same rectangle, and a bare X server only records the state.
void WindowCommands::maximize()
{
    if (m_maximized)
        return;
    m_normal = m_window.geometry();
    m_maximized = true;
    m_window.setWindowState((m_window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    m_window.setGeometry(availableGeometryFor(m_window));
}

void WindowCommands::restore()
{
    if (!m_maximized)
        return;
    m_maximized = false;
    m_window.setWindowState(m_window.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    if (m_normal.isValid())
        m_window.setGeometry(m_normal);
}

void WindowCommands::toggleMaximized()
{
    if (m_maximized)
        restore();
    else
        maximize();
}

void WindowCommands::minimize()
{
    m_window.setWindowState(m_window.windowState() | Qt::WindowMinimized);
}

void WindowCommands::windowStateChanged()
{
    const bool maximizedNow = (m_window.windowState() & Qt::WindowMaximized) != 0;
    if (maximizedNow == m_maximized)
        return;
    if (maximizedNow && !m_normal.isValid())
        m_normal = m_window.normalGeometry();
    m_maximized = maximizedNow;
}

QRect WindowCommands::normalGeometry() const
{
    return m_maximized ? m_normal : m_window.geometry();
}
