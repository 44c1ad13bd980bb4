#include "skin/controls/TsBitBtn.h"

#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintText.h"

#include <QIcon>

#include <algorithm>

TsBitBtn::TsBitBtn(QWidget* parent)
    : TsButton(parent, ckBitBtn)
{
}

// Setters store a new value and ask for a new face.
template <typename T>
void TsBitBtn::store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    SkinData.RequestRepaint();
}

void TsBitBtn::setNumGlyphs(int count) { store(m_numGlyphs, count); }
void TsBitBtn::setGlyphLayout(int layout) { store(m_layout, std::clamp(layout, int(blGlyphLeft), int(blGlyphBottom))); }
void TsBitBtn::setMargin(int margin) { store(m_margin, margin); }
void TsBitBtn::setSpacing(int spacing) { store(m_spacing, spacing); }
void TsBitBtn::setAlignment(int alignment)
{
    store(m_alignment, std::clamp(alignment, int(taLeftJustify), int(taCenter)));
}
void TsBitBtn::setBlend(int blend) { store(m_blend, std::clamp(blend, 0, 100)); }
void TsBitBtn::setGrayed(bool grayed) { store(m_grayed, grayed); }
void TsBitBtn::setShowCaption(bool show) { store(m_showCaption, show); }
void TsBitBtn::setShowFocus(bool show) { store(m_showFocus, show); }
void TsBitBtn::setTextOffset(int offset) { store(m_textOffset, offset); }
void TsBitBtn::setDisabledGlyphKind(int kind) { store(m_disabledGlyphKind, kind); }

const Bitmap24& TsBitBtn::Glyph() const
{
    const QIcon glyphIcon = icon();
    if (glyphIcon.cacheKey() != m_glyphKey || iconSize() != m_glyphSize) {
        m_glyphKey = glyphIcon.cacheKey();
        m_glyphSize = iconSize();
        m_glyph = glyphIcon.isNull() ? Bitmap24()
                                     : Bitmap24::fromImageOverMagenta(glyphIcon.pixmap(iconSize()).toImage());
    }
    return m_glyph;
}

bool TsBitBtn::FaceOutdated() const
{
    return TsButton::FaceOutdated() || icon().cacheKey() != m_renderedGlyphKey;
}

TsBitBtn::LayoutValues TsBitBtn::layoutValues(const QFont& font) const
{
    LayoutValues v;
    const Bitmap24& glyph = Glyph();
    if (!glyph.isNull() && m_numGlyphs > 0) {
        v.gw = glyph.width() / m_numGlyphs;
        v.gh = glyph.height();
    }
    v.m = m_margin < 0 ? 0 : m_margin + 3;
    v.s = m_spacing;
    if (m_showCaption && !text().isEmpty()) {
        const int room = width() - 2 * m_margin - (v.gw > 0 ? v.gw + v.s : 0);
        const QSize size = MeasureTextIn(font, text(), room, CaptionFlags());
        v.tw = size.width();
        v.th = size.height();
    }
    v.withText = v.gw > 0 && !text().isEmpty();
    return v;
}

TsRect TsBitBtn::CaptionRect(PaintCanvas& canvas) const
{
    const LayoutValues v = layoutValues(canvas.font);
    const int W = width(), H = height(), S = v.withText ? v.s : 0;
    const int sg = v.gw > 0 ? v.s : 0;
    int left = 0, right = 0, top = 0, bottom = 0;
    if (m_layout == blGlyphLeft || m_layout == blGlyphRight) {
        const int fx = (W - v.gw - S - v.tw) / 2 - v.m;
        top = (H - v.th) / 2;
        bottom = H - top;
        const bool glyphLeft = m_layout == blGlyphLeft;
        switch (m_alignment) {
        case taLeftJustify:
            left = glyphLeft ? v.gw + m_margin + sg : v.m;
            right = glyphLeft ? W - v.m - 2 * fx : v.m + v.tw;
            break;
        case taRightJustify:
            left = glyphLeft ? v.m + 2 * fx + v.gw + sg : v.m + 2 * fx;
            right = glyphLeft ? W - v.m : v.m + 2 * fx + v.tw;
            break;
        default:
            left = glyphLeft ? v.m + fx + v.gw + sg : v.m + fx;
            right = glyphLeft ? W - v.m - fx : v.m + fx + v.tw;
            break;
        }
    } else {
        const int fy = (H - v.gh - S - v.th) / 2 - v.m;
        left = (W - v.tw) / 2;
        right = W - left;
        if (m_layout == blGlyphTop) {
            top = v.gh + fy + v.m + S;
            bottom = H - fy - v.m;
        } else {
            top = v.m + fy;
            bottom = H - fy - v.m - v.gh - S;
        }
    }
    TsRect r{left + m_textOffset - 1, top, right + m_textOffset + 2, bottom};
    if (Down())
        r = r.translated(1, 1);
    return r;
}

QRect TsBitBtn::GlyphRect() const
{
    const LayoutValues v = layoutValues(font());
    const int W = width(), H = height();
    const int S = v.withText && m_showCaption ? v.s : 0;
    const int gx = (W - v.gw - S - v.tw) / 2 - v.m;
    const int gy = (H - v.gh - S - v.th) / 2 - v.m;
    const int vc = (H - v.gh) / 2;
    int x = 0, y = vc;
    switch (m_layout) {
    case blGlyphLeft:
        x = m_alignment == taLeftJustify ? v.m : m_alignment == taRightJustify ? v.m + 2 * gx : v.m + gx;
        break;
    case blGlyphRight:
        x = m_alignment == taLeftJustify    ? W - v.m - 2 * gx - S - v.gw
            : m_alignment == taRightJustify ? W - v.gw - v.m
                                            : (v.tw + W + S - v.gw) / 2;
        break;
    case blGlyphTop:
        x = (W - v.gw) / 2 + 1;
        y = v.m + gy;
        break;
    default:
        x = (W - v.gw) / 2 + 1;
        y = H - v.m - gy - v.gh;
        break;
    }
    if (Down()) {
        ++x;
        ++y;
    }
    return {x, y, v.gw, v.gh};
}

void TsBitBtn::DrawGlyph()
{
    m_renderedGlyphKey = icon().cacheKey();
    const Bitmap24& glyph = Glyph();
    if (glyph.isNull() || !SkinData.CacheBitmap)
        return;
    const QPoint at = GlyphRect().topLeft();
    const bool active = SkinData.IsActiveState();
    if (m_numGlyphs == 1)
        drawOneGlyph(*SkinData.CacheBitmap, at, active);
    else if (m_numGlyphs == 2)
        drawTwoGlyphs(*SkinData.CacheBitmap, at, active);
}

void TsBitBtn::drawOneGlyph(Bitmap24& cache, QPoint at, bool active)
{
    Bitmap24 copy = Glyph();
    const TsColor key = copy.pixel(0, copy.height() - 1);
    const TsRect whole = RectOfSize(copy.width(), copy.height());
    if (isEnabled()) {
        if (!active && m_grayed)
            MakeGrayscale(copy);
        if (active || m_blend < 1)
            CopyTransparentImage(cache, copy, at.x(), key, at.y());
        else
            BlendTransparentImage(cache, at.x(), at.y(), key, m_blend / 100.0, whole, copy);
        return;
    }
    if (m_disabledGlyphKind & dgGrayed)
        MakeGrayscale(copy);
    if (m_disabledGlyphKind & dgBlended)
        BlendTransparentImage(cache, at.x(), at.y(), key, 0.5, whole, copy);
    else
        CopyTransparentImage(cache, copy, at.x(), key, at.y());
}

// Two pictures side by side: the first while enabled, the second while disabled; each
// without its last column and row.
void TsBitBtn::drawTwoGlyphs(Bitmap24& cache, QPoint at, bool active)
{
    const Bitmap24& glyph = Glyph();
    const int w = glyph.width() / 2;
    const TsColor key = glyph.pixel(0, glyph.height() - 1);
    if (isEnabled()) {
        const double weight = !active && m_blend > 0 ? m_blend / 100.0 : 0.0;
        BlendTransparentImage(cache, at.x(), at.y(), key, weight, {0, 0, w - 1, glyph.height() - 1}, glyph);
    } else {
        BlendTransparentImage(cache, at.x(), at.y(), key, 0.0, {w, 0, 2 * w - 1, glyph.height() - 1}, glyph);
    }
}
