#include "app/PlaceMemory.h"

#include "app/ReaderSettings.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"
#include "ui/Globals.h"

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kPauseMs = 300;

} // namespace

PlaceMemory::PlaceMemory(QWebEngineView* view)
    : QObject(view)
    , m_view(view)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { ErrorReport::guard([this] { readScroll(); }); });
    connect(view, &QWebEngineView::urlChanged, this, [this](const QUrl& url) { ErrorReport::guard([&] { noteDocument(url); }); });
    connect(view->page(), &QWebEnginePage::scrollPositionChanged, this, [this] { m_pause.start(); });
}

QString PlaceMemory::relativeDocument(const QUrl& url)
{
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    const QString folder = ProgramFolder::path();
    if (folder.isEmpty() || !path.startsWith(folder))
        return QString();
    return path.mid(folder.size());
}

void PlaceMemory::noteDocument(const QUrl& url)
{
    const QString document = relativeDocument(url);
    if (document.isEmpty())
        return;
    m_pause.stop();
    ReaderSettings::setLastPlace({document, BrowseMode, 0});
}

// The page's own scroll offset, in the document's CSS pixels, which do not change with
// the zoom.
void PlaceMemory::readScroll()
{
    QPointer<PlaceMemory> self(this);
    const QString document = relativeDocument(m_view->url());
    m_view->page()->runJavaScript(QStringLiteral("window.scrollY"), [self, document](const QVariant& y) {
        if (!self || document.isEmpty() || relativeDocument(self->m_view->url()) != document)
            return;
        ReaderSettings::setLastScroll(y.toDouble());
    });
}
