#pragma once

// Helpers for tests of skinned controls: the program's skin in place, deterministic mouse
// enter and leave, paint counting, and pictures to compare faces with.

#include "skin/PaintTestSupport.h"
#include "skin/SkinLoaders.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"
#include "skin/paint/Bitmap24.h"
#include "skin/paint/TsSkinTables.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QRegion>
#include <QWidget>

namespace skintest {

// The program's stored skin, loaded once.
inline const TsSkinTables& goldenTables()
{
    static const TsSkinTables tables = [] {
        TsSkinTables t;
        const TsStoredSkins skins = builtInStoredSkins();
        const SkinLoadSource source{nullptr, QString(), &skins, QStringLiteral("Golden (internal)"), nullptr};
        LoadImageTable(t, source);
        LoadPatternTable(t, source);
        LoadSectionTable(t, source);
        return t;
    }();
    return tables;
}

// The program's skin as the process-wide, ready skin for one test.
class GoldenSkinScope : public painttest::TablesScope
{
public:
    GoldenSkinScope() : painttest::TablesScope(goldenTables()) {}
};

inline void sendEnter(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(widget->mapToGlobal(QPoint(1, 1))));
    QCoreApplication::sendEvent(widget, &enter);
}

inline void sendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The piece's frame `state` of a three-frame masked piece of the master bitmap.
inline Bitmap24 masterFrame(const TsSkinTables& tables, const TsMaskData& piece, int state)
{
    const int w = piece.R.width() / std::max<int>(piece.ImageCount, 1);
    const int h = piece.MaskType >= 1 ? piece.R.height() / 2 : piece.R.height();
    Bitmap24 frame(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            frame.setPixel(x, y, tables.masterBitmap.pixel(piece.R.Left + state * w + x, piece.R.Top + y));
    return frame;
}

// The region a picture of `size` keeps when the magenta pixels of a frame are cut out of
// its corners (a piece whose cells are each half the frame).
inline QRegion regionWithoutMagentaCorners(const Bitmap24& frame, QSize size)
{
    QRegion region(0, 0, size.width(), size.height());
    const int cw = frame.width() / 3, ch = frame.height() / 3;
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            const struct { int fx, fy, dx, dy; } corners[] = {
                {x, y, x, y},
                {frame.width() - cw + x, y, size.width() - cw + x, y},
                {x, frame.height() - ch + y, x, size.height() - ch + y},
                {frame.width() - cw + x, frame.height() - ch + y, size.width() - cw + x, size.height() - ch + y},
            };
            for (const auto& c : corners) {
                if (frame.pixel(c.fx, c.fy) == 0xFF00FF)
                    region -= QRegion(c.dx, c.dy, 1, 1);
            }
        }
    }
    return region;
}

} // namespace skintest
