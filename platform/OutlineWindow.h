#pragma once

#include <QRect>
#include <QWidget>

// The outline shown while a window is moved or sized by its border: a two-pixel ring of
// alternating dark and light dashes in a window of its own, above everything and
// transparent for the mouse. (The desktop cannot be drawn on inverted here.)
class OutlineWindow : public QWidget
{
public:
    static constexpr int kThickness = 2;

    OutlineWindow();

    // Shows the ring around rect (screen coordinates).
    void showAround(const QRect& rect);
    QRect outlined() const { return m_rect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_rect;
};
