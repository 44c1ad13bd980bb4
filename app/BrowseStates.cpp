#include "app/BrowseStates.h"

#include <QWebEngineView>

BrowseStates::BrowseStates(QWebEngineView* view, std::function<State()> current, QObject* owner)
    : QObject(owner)
    , m_current(std::move(current))
{
    // The window is set up before the view is asked to load, so its state belongs to the
    // document by the time the view reports it.
    connect(view, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
        if (url.isValid() && !url.isEmpty())
            m_states.insert(url.adjusted(QUrl::RemoveFragment), m_current());
    });
}

std::optional<BrowseStates::State> BrowseStates::stateOf(const QUrl& url) const
{
    const auto found = m_states.constFind(url.adjusted(QUrl::RemoveFragment));
    if (found == m_states.constEnd())
        return std::nullopt;
    return *found;
}
