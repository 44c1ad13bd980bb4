#pragma once

#include "app/MainWindowLayout.h"

#include <QObject>
#include <QPointer>

class FindBar;
class QWidget;
class TsFormScrollBars;

// Keeps the main window's controls where MainWindowLayout puts them: when the client area
// changes size and when the find bar opens or closes. The controls' rectangles at
// construction are the designed ones.
class MainWindowResizer : public QObject
{
public:
    struct Controls
    {
        QWidget* client = nullptr;
        QWidget* groupBox = nullptr;
        QWidget* combo = nullptr;
        QWidget* button = nullptr;
        QWidget* document = nullptr;
        QWidget* topicPanel = nullptr;
        FindBar* findBar = nullptr;
    };

    // designedClient: the client size the layout file was made for. bars: the skinned
    // scroll bars that shift the controls of a small window (may be null).
    MainWindowResizer(const Controls& controls, QSize designedClient, TsFormScrollBars* bars);

    // Puts every control in its place for the client's size now.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static MainWindowLayout::Rects designedRects(const Controls& controls);

    Controls m_controls;
    MainWindowLayout m_layout;
    QPointer<TsFormScrollBars> m_bars;
};
