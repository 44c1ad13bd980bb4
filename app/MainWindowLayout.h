#pragma once

#include <QRect>
#include <QSize>

// Where the main window's controls go for a client area of a given size. At the designed
// size and below every control stays where the layout file puts it (a smaller window
// scrolls with the skinned bars). Beyond it the extra room goes to the document:
//
//   +-------------------------------------+   +----------+
//   | group box: grows in width           |   |  button  |  <- keeps its gap to the
//   |   [ combo: grows in width ]         |   |          |     right edge
//   +-------------------------------------+   +----------+
//                               [ find bar, while open  ]
//   +------------------------------------------------------+
//   | document (HTML view, topic panel in front of it):     |
//   | grows in width and height; moves down under an open   |
//   | find bar instead of lying beneath it                  |
//   +------------------------------------------------------+
//
// A direction that needs a scroll bar lends the bar's thickness from the other one, so
// growing never makes the other bar appear.
class MainWindowLayout
{
public:
    struct Rects
    {
        QRect groupBox;
        // In the group box's coordinates.
        QRect combo;
        QRect button;
        QRect document;
        // Empty while the find bar is closed.
        QRect findBar;
    };

    // designed: the client size and the controls' rectangles from the layout file.
    MainWindowLayout(QSize designedClient, const Rects& designed, int scrollBarThickness);

    // The room beyond the designed size that the controls take, never negative.
    QSize growth(QSize client) const;

    // findBar: the open find bar's preferred size, or an empty size when it is closed.
    Rects place(QSize client, QSize findBar) const;

    // The find bar's room from the document's right edge: the page's own scroll bar stays
    // uncovered.
    static constexpr int kFindBarRightRoom = 16;

private:
    QSize m_designedClient;
    Rects m_designed;
    int m_scrollBar;
    // The right and bottom edges of the designed controls.
    int m_contentRight;
    int m_contentBottom;
};
