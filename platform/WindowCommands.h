#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class OutlineWindow;
class QWidget;

// Moving, sizing, maximising and minimising a frameless top-level window that draws its
// own frame. Where a window manager answers, moving and sizing are handed to it (it then
// snaps and follows its own keyboard conventions); where none does (a bare X server, the
// offscreen platform) our own loop follows the mouse. A window that snaps to the screen
// edges or drags an outline uses our loop always. Maximised means the screen's available
// geometry.
class WindowCommands
{
public:
    enum TsResizeMode { rmStandard, rmBorder };

    explicit WindowCommands(QWidget& window);
    ~WindowCommands();

    // Snap the window to its monitor's edges while moving, within SnapBuffer pixels.
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    // rmBorder: an outline follows the mouse and the window moves or sizes once, at the end.
    TsResizeMode ResizeMode = rmStandard;

    // The window's rectangle after the mouse moved by delta from where a move began.
    static QRect movedRect(const QRect& start, QPoint delta);
    // The rectangle after the mouse moved by delta from where sizing by the border of
    // hitCode (HTLEFT .. HTBOTTOMRIGHT) began: the edges of the code follow the mouse, the
    // opposite ones stay, and the size never falls below minimum. Other codes: start.
    static QRect resizedRect(const QRect& start, int hitCode, QPoint delta, QSize minimum);

    // A left press at globalPos on the caption or on a border (hitCode 10..17).
    void startMove(QPoint globalPos);
    void startResize(int hitCode, QPoint globalPos, QSize minimum);
    // The same from the system menu: the mouse is grabbed and followed without a button
    // held, until the next click.
    void startMoveByMenu(QPoint globalPos);
    // A caption drag that has only now passed the drag distance: the window follows from the
    // press, keeping the point it was taken by.
    void continueMove(QPoint pressPos, QPoint globalPos);
    void startResizeByMenu(QPoint globalPos, QSize minimum);
    bool followsWithoutButton() const { return m_grabbed; }
    // True while our own loop follows the mouse (not while the window manager does).
    bool dragging() const { return m_drag != Drag::None; }
    void dragTo(QPoint globalPos);
    void endDrag();
    // Where the window goes when the drag ends now; the outline while one is shown.
    QRect draggedRect() const { return m_current; }
    const OutlineWindow* outline() const { return m_outline.get(); }

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

    bool ourLoopOnly() const { return m_ownLoop || ScreenSnap || ResizeMode == rmBorder; }
    void grabWhileDragging();
    QRect snapped(const QRect& rect) const;
    void follow(const QRect& rect);

    QWidget& m_window;
    Drag m_drag = Drag::None;
    int m_hitCode = 0;
    QPoint m_startMouse;
    QRect m_startRect;
    QSize m_minimum;
    bool m_maximized = false;
    QRect m_normal;
    QRect m_current;
    bool m_grabbed = false;
    bool m_ownLoop = false;
    std::unique_ptr<OutlineWindow> m_outline;
};
