#pragma once

#include <QObject>

class QWebEngineView;
class ZoomIndicator;

// The HTML view's zoom, 50 to 300 %, in the steps browsers use. Kept for the next start.
// Every change asked for shows the level for a moment over the view.
class ViewZoom : public QObject
{
    Q_OBJECT
public:
    explicit ViewZoom(QWebEngineView* view);

    int percent() const { return m_percent; }
    void zoomIn();
    void zoomOut();
    void reset();
    void setPercent(int percent);
    // Steps up (positive) or down, as many as given.
    void step(int steps);

    // The step after (direction > 0) or before a percentage.
    static int nextStep(int percent, int direction);

    ZoomIndicator* indicator() const { return m_indicator; }

private:
    void apply();

    QWebEngineView* m_view;
    ZoomIndicator* m_indicator;
    int m_percent = 100;
};
