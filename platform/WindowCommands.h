#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Moving, sizing, maximising and minimising a frameless top-level window that draws its
// own frame. Where a window manager answers, moving and sizing are handed to it (it then
// snaps and follows its own keyboard conventions); where none does (a bare X server, the
// offscreen platform) our own loop follows the mouse. Maximised means the screen's
// available geometry.
class WindowCommands
{
public:
    explicit WindowCommands(QWidget& window);

    // The window's rectangle after the mouse moved by delta from where a move began.
    static QRect movedRect(const QRect& start, QPoint delta);
    // The rectangle after the mouse moved by delta from where sizing by the border of
    // hitCode (HTLEFT .. HTBOTTOMRIGHT) began: the edges of the code follow the mouse, the
    // opposite ones stay, and the size never falls below minimum. Other codes: start.
    static QRect resizedRect(const QRect& start, int hitCode, QPoint delta, QSize minimum);

    // A left press at globalPos on the caption or on a border (hitCode 10..17).
    void startMove(QPoint globalPos);
    void startResize(int hitCode, QPoint globalPos, QSize minimum);
    // True while our own loop follows the mouse (not while the window manager does).
    bool dragging() const { return m_drag != Drag::None; }
    void dragTo(QPoint globalPos);
    void endDrag();

    bool isMaximized() const { return m_maximized; }
    void maximize();
    void restore();
    void toggleMaximized();
    void minimize();
    // A maximised or restored state set from outside (the window manager) becomes ours.
    void windowStateChanged();
    // The rectangle the window has when not maximised.
    QRect normalGeometry() const;

private:
    enum class Drag { None, Move, Resize };

    QWidget& m_window;
    Drag m_drag = Drag::None;
    int m_hitCode = 0;
    QPoint m_startMouse;
    QRect m_startRect;
    QSize m_minimum;
    bool m_maximized = false;
    QRect m_normal;
};
