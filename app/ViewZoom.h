#pragma once

#include <QObject>

class QWebEngineView;

// The HTML view's zoom, 50 to 300 %, in the steps browsers use. Kept for the next start.
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

private:
    void apply();

    QWebEngineView* m_view;
    int m_percent = 100;
};
