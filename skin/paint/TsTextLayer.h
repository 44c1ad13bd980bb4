#pragma once

#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/TsParentCache.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class Bitmap24;

// The text of a face held back while the face is rendered for a screen of another scale:
// the picture is scaled, and then the text is drawn over it at the screen's resolution,
// so letters are as sharp as the screen allows. A disabled look asked for after the text
// is held back too and applied last, as it would have been.
//
// A picture carries the layer while it is attached (Bitmap24::attachTextLayer); the text
// routines then record instead of drawing.
class TsTextLayer
{
public:
    // One pass of one text: the text drawn in place, moved by (dx, dy), in a colour.
    struct TextPass
    {
        QString text;
        QFont font;
        int flags = 0;
        QRect place;
        TsColor colour = 0;
    };

    void addText(TextPass pass) { m_texts.push_back(std::move(pass)); }
    // The disabled look over the whole face; the parent's picture must stay alive until
    // the layer is drawn.
    void deferDisabledEffect(TsDisabledKind kind, TsColor background, int offsetX, int offsetY,
                             const TsParentCache& parent);
    bool empty() const { return m_texts.empty() && !m_effect.wanted; }
    int textCount() const { return int(m_texts.size()); }

    // Draws the texts onto the picture of a face of `logical` size scaled to `scale`
    // device pixels per logical pixel, then the disabled look with the parent's picture
    // scaled the same way.
    void drawAt(Bitmap24& device, QSize logical, double scale) const;
    // After a render with this layer attached: `screen` becomes the face at `scale` (its
    // ratio set), and the logical face gets its text back.
    void finish(Bitmap24& face, double scale, QImage& screen) const;

private:
    struct Effect
    {
        bool wanted = false;
        TsDisabledKind kind = 0;
        TsColor background = 0;
        int offsetX = 0;
        int offsetY = 0;
        TsParentCache parent;
    };

    void applyEffect(Bitmap24& device, QSize logical, double scale) const;

    std::vector<TextPass> m_texts;
    Effect m_effect;
};
