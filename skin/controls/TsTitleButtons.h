#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

class TsSkinProvider;
class TsSystemMenu;
struct FormMetrics;

// The title buttons of a skinned frame (close, maximise or restore, minimise, help): which
// are shown and where, their faces under the mouse, and what a click on one does. The hot
// button is the provider's HotButton.
class TsTitleButtons
{
public:
    struct Button
    {
        int code = 0;
        int slot = 0;
        int imageIndex = -1;
        int state = 0;
    };

    explicit TsTitleButtons(TsSkinProvider& provider);

    // The pieces of the form's section; the close button's index first.
    void FindImages(int sectionIndex, const QString& sectionName);
    int ImageIndex(int which) const { return m_buttons[std::size_t(which)].imageIndex; }
    void PlaceInSlots(const FormMetrics& metrics);

    // 0 normal, 1 hot, 2 pressed.
    int State(int code) const;
    QRect Rect(int code) const;
    // A button of that code is shown.
    bool Shown(int code) const;
    int Pressed() const { return m_pressed; }

    // Draws every shown button into the frame's cache.
    void PaintAll();
    void SetHot(int code);
    void Press(int code);
    // The pointer moved while a button is pressed: pressed look only over it.
    void PressedMoveOver(int code);
    // The left button came up over `code`; true when a pressed button took it.
    bool Release(int code);
    // No button is hot or pressed (the skin goes).
    void Reset();

    // The caption: a press there moves the window once the pointer has gone past the drag
    // distance, so that the second click of a double click still reaches the frame.
    void PressCaption(QPoint global);
    // The pointer moved: true when it moves the window (or is about to).
    bool FollowPointer(QPoint global);
    // The left button came up: true when it ended a move or size.
    bool EndDrag();
    // A double click on the caption maximises or restores, on the icon closes; false for
    // any other code.
    bool DoubleClicked(int code);

    // The menu behind the icon: its commands act on the window, and its items follow the
    // window's state.
    void WireSystemMenu(TsSystemMenu* menu);
    void RefreshSystemMenu();
    bool ShowSystemMenu(QPoint globalPos);

private:
    Button* find(int code);
    void setState(int code, int state);
    void clicked(int code);

    TsSkinProvider& m_p;
    std::array<Button, 4> m_buttons;
    int m_pressed = 0;
    // Where a press on the caption was, until the pointer moves far enough to move.
    std::optional<QPoint> m_movePress;
};
