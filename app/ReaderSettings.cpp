#include "app/ReaderSettings.h"

#include <QSettings>

#include <algorithm>

namespace {

QSettings store()
{
    return QSettings(ReaderSettings::organization(), ReaderSettings::application());
}

const QString kZoom = QStringLiteral("view/zoom");
const QString kRestore = QStringLiteral("reader/restoreLastPlace");
const QString kDocument = QStringLiteral("reader/document");
const QString kBrowseMode = QStringLiteral("reader/browseMode");
const QString kScroll = QStringLiteral("reader/scrollY");

} // namespace

int ReaderSettings::zoomPercent()
{
    bool ok = false;
    const int percent = store().value(kZoom, 100).toInt(&ok);
    return ok ? std::clamp(percent, kMinZoom, kMaxZoom) : 100;
}

void ReaderSettings::setZoomPercent(int percent)
{
    store().setValue(kZoom, std::clamp(percent, kMinZoom, kMaxZoom));
}

bool ReaderSettings::restoreLastPlace()
{
    return store().value(kRestore, true).toBool();
}

std::optional<ReaderSettings::Place> ReaderSettings::lastPlace()
{
    QSettings settings = store();
    Place place;
    place.document = settings.value(kDocument).toString();
    if (place.document.isEmpty())
        return std::nullopt;
    place.browseMode = settings.value(kBrowseMode, 0).toInt();
    if (place.browseMode < 0 || place.browseMode > 3)
        place.browseMode = 0;
    place.scrollY = std::max(0.0, settings.value(kScroll, 0.0).toDouble());
    return place;
}

void ReaderSettings::setLastPlace(const Place& place)
{
    QSettings settings = store();
    settings.setValue(kDocument, place.document);
    settings.setValue(kBrowseMode, place.browseMode);
    settings.setValue(kScroll, place.scrollY);
}

void ReaderSettings::setLastScroll(double scrollY)
{
    store().setValue(kScroll, scrollY);
}
