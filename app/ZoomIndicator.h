#pragma once

#include <QLabel>
#include <QTimer>

class QWebEngineView;

// The zoom level shown for a moment in the middle of the HTML view («125 %») after the
// student changes it, so a step that changes little is still seen to have happened.
class ZoomIndicator : public QLabel
{
public:
    // Lives beside the view (in its parent), so the page cannot paint over it.
    explicit ZoomIndicator(QWebEngineView* view);

    // Shows the percentage over the view's centre and starts the time it stays.
    void showPercent(int percent);

    static QString label(int percent);
    static constexpr int kShownMs = 1200;

private:
    QWebEngineView* m_view;
    QTimer m_hideTimer;
};
