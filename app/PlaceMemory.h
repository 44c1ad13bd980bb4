#pragma once

#include <QObject>
#include <QTimer>

class QUrl;
class QWebEngineView;

// Keeps, as the student reads, which document of the program folder the HTML view shows,
// in which browse mode, and how far down it is scrolled (ReaderSettings).
class PlaceMemory : public QObject
{
    Q_OBJECT
public:
    explicit PlaceMemory(QWebEngineView* view);

    // The document's path relative to the program folder, or empty when the URL is not a
    // file inside it.
    static QString relativeDocument(const QUrl& url);

private:
    void noteDocument(const QUrl& url);
    void readScroll();

    QWebEngineView* m_view;
    // Scrolling is noted once it pauses, not at every step.
    QTimer m_pause;
};
