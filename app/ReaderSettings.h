#pragma once

#include <QString>

#include <optional>

// What the program remembers for the student between runs: the zoom of the HTML view and
// the place where reading stopped. Kept per user in the desktop's configuration folder
// (~/.config/Vestron/vestron.conf), never in the course database.
class ReaderSettings
{
public:
    struct Place {
        QString document; // relative to the program folder, e.g. "text/lec01.htm"
        int browseMode = 0;
        double scrollY = 0;
    };

    static constexpr int kMinZoom = 50;
    static constexpr int kMaxZoom = 300;

    // The zoom in percent, 100 unless another was kept; always within 50 to 300.
    static int zoomPercent();
    static void setZoomPercent(int percent);

    // "Come back where you left off" is on unless [reader] restoreLastPlace=false.
    static bool restoreLastPlace();
    static std::optional<Place> lastPlace();
    static void setLastPlace(const Place& place);
    static void setLastScroll(double scrollY);

    static QString organization() { return QStringLiteral("Vestron"); }
    static QString application() { return QStringLiteral("vestron"); }
};
