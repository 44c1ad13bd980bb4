#pragma once

#include "skin/paint/Bitmap24.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <vector>

class QPaintEvent;
class TsSkinProvider;

// The picture of a skinned frame: border, title (icon, title buttons, caption) and menu
// band, rendered into the provider's cache the size of the whole window, and the screen's
// picture made from it. At 100 % a title or a single button is redrawn in place and only
// its rectangle converted; at any other scale the whole window is rendered with its text
// drawn at the screen's resolution.
class TsFramePainter
{
public:
    explicit TsFramePainter(TsSkinProvider& provider) : m_p(provider) {}

    // Renders at `scale`: only the title when the fast title path allows, else the whole.
    void Render(double scale);
    // The next render paints the whole window.
    void RenderWholeNext() { m_fullRepaint = true; }
    // Paints the form's update rectangle from the screen's picture, rendering first when
    // the cache is invalid or the scale changed.
    void Paint(QPaintEvent* event);
    // Shows a rectangle of the cache changed in place.
    void RepaintRect(QRect rect);
    // Draws one title button over the title in the cache.
    void PaintButton(int code, int slot, int imageIndex, int state);
    // A title button's background back from the strip; false when there is no strip.
    bool RestoreButtonBackground(QRect rect);
    // A menu item's background back from the clean band; false when there is none.
    bool RestoreMenuBackground(QRect rect);
    const Bitmap24& MenuBarImage() const { return m_menuBarImage; }
    void ForgetTitleStrip() { m_titleStrip = Bitmap24(); }
    const QImage& ScreenPicture() const { return m_screen; }
    // The whole window less the magenta of the frame's and the title's corners.
    QRegion WindowRegion() const;

private:
    void renderWhole(double scale);
    void renderTitle();
    void invalidateTransparentChildren();
    void toScreen(QRect rect);

    TsSkinProvider& m_p;
    bool m_fullRepaint = true;
    Bitmap24 m_titleStrip;
    Bitmap24 m_buttonStrip;
    Bitmap24 m_menuBarImage;
    std::vector<uint32_t> m_screenBits;
    QImage m_screen;
    double m_scale = 1.0;
    // The next render only remakes the screen's picture at another scale.
    bool m_deviceOnly = false;
};
