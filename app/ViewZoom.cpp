#include "app/ViewZoom.h"

#include "app/ReaderSettings.h"
#include "app/ZoomIndicator.h"

#include <QWebEngineView>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr std::array kSteps = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

ViewZoom::ViewZoom(QWebEngineView* view)
    : QObject(view)
    , m_view(view)
    , m_indicator(new ZoomIndicator(view))
    , m_percent(ReaderSettings::zoomPercent())
{
    // The engine may take a new document at its own zoom; ours is put back.
    connect(view, &QWebEngineView::loadFinished, this, &ViewZoom::apply);
    apply();
}

int ViewZoom::nextStep(int percent, int direction)
{
    if (direction > 0) {
        const auto it = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
        return it == kSteps.end() ? kSteps.back() : *it;
    }
    const auto it = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return it == kSteps.begin() ? kSteps.front() : *(it - 1);
}

void ViewZoom::zoomIn()
{
    setPercent(nextStep(m_percent, +1));
}

void ViewZoom::zoomOut()
{
    setPercent(nextStep(m_percent, -1));
}

void ViewZoom::step(int steps)
{
    int percent = m_percent;
    for (int i = 0; i < std::abs(steps); ++i)
        percent = nextStep(percent, steps);
    setPercent(percent);
}

void ViewZoom::reset()
{
    setPercent(100);
}

void ViewZoom::setPercent(int percent)
{
    m_percent = std::clamp(percent, ReaderSettings::kMinZoom, ReaderSettings::kMaxZoom);
    ReaderSettings::setZoomPercent(m_percent);
    apply();
    // Shown at the limits too: the student sees why nothing grew.
    m_indicator->showPercent(m_percent);
}

void ViewZoom::apply()
{
    m_view->setZoomFactor(m_percent / 100.0);
}
