#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QWebEngineView;

// What the main window showed with each document the view opened: the browse mode, the
// selector's text and whether «Презентация» could be pressed. Back and forward put the
// window back as it was with the document they return to.
class BrowseStates : public QObject
{
public:
    struct State
    {
        int browseMode = 0;
        QString topic;
        bool presentationEnabled = false;
    };

    // `current` reads the window's state as it is now; it is noted whenever the view's
    // document changes, as long as the owner (which `current` reads through) lives.
    BrowseStates(QWebEngineView* view, std::function<State()> current, QObject* owner);

    // The state last noted with the document, if any.
    std::optional<State> stateOf(const QUrl& url) const;

private:
    std::function<State()> m_current;
    QHash<QUrl, State> m_states;
};
