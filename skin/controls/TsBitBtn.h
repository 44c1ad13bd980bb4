#pragma once

#include "skin/controls/TsButton.h"
#include "skin/paint/Bitmap24.h"

#include <QSize>

// A skinned push button with a glyph beside, above or below its caption. The glyph is the
// button's icon at its icon size, turned into a 24-bit picture over magenta; its
// transparent colour is its bottom-left pixel. Enter and Escape keep the plain handling.
class TsBitBtn : public TsButton
{
    Q_OBJECT
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int Layout READ Layout WRITE setGlyphLayout)
    Q_PROPERTY(int Margin READ Margin WRITE setMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int Blend READ Blend WRITE setBlend)
    Q_PROPERTY(bool Grayed READ Grayed WRITE setGrayed)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(int TextOffset READ TextOffset WRITE setTextOffset)
    Q_PROPERTY(int DisabledGlyphKind READ DisabledGlyphKind WRITE setDisabledGlyphKind)
public:
    enum GlyphLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    enum TextAlignment { taLeftJustify, taRightJustify, taCenter };
    enum DisabledGlyphFlag { dgBlended = 0x1, dgGrayed = 0x2 };

    explicit TsBitBtn(QWidget* parent = nullptr);

    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);
    int Layout() const { return m_layout; }
    void setGlyphLayout(int layout);
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // Percent of background showing through the glyph while the button is not active.
    int Blend() const { return m_blend; }
    void setBlend(int blend);
    bool Grayed() const { return m_grayed; }
    void setGrayed(bool grayed);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    // Kept with the layout; the focus frame follows the section and ShowCaption only.
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool show);
    int TextOffset() const { return m_textOffset; }
    void setTextOffset(int offset);
    int DisabledGlyphKind() const { return m_disabledGlyphKind; }
    void setDisabledGlyphKind(int kind);

    // The glyph as drawn from: the icon at the icon size over magenta; null without icon.
    const Bitmap24& Glyph() const;
    // Where the glyph goes in the face.
    QRect GlyphRect() const;

protected:
    TsRect CaptionRect(PaintCanvas& canvas) const override;
    void DrawGlyph() override;
    bool HandlesDialogKeys() const override { return false; }
    bool FocusFrameAllowed() const override { return m_showCaption; }
    bool FaceOutdated() const override;

private:
    struct LayoutValues
    {
        int gw = 0, gh = 0, m = 0, s = 0, tw = 0, th = 0;
        bool withText = false;
    };
    LayoutValues layoutValues(const QFont& font) const;
    void drawOneGlyph(Bitmap24& cache, QPoint at, bool active);
    void drawTwoGlyphs(Bitmap24& cache, QPoint at, bool active);
    template <typename T>
    void store(T& field, T value);

    int m_numGlyphs = 1;
    int m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    int m_alignment = taCenter;
    int m_blend = 0;
    bool m_grayed = false;
    bool m_showCaption = true;
    bool m_showFocus = true;
    int m_textOffset = 0;
    int m_disabledGlyphKind = dgBlended;
    mutable Bitmap24 m_glyph;
    mutable qint64 m_glyphKey = -1;
    mutable QSize m_glyphSize;
    qint64 m_renderedGlyphKey = -1;
};
