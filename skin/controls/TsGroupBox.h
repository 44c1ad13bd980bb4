#pragma once

#include "skin/TsCommonData.h"
#include "skin/paint/TsRect.h"

#include <QFont>
#include <QGroupBox>
#include <QString>

// A skinned group box: the section's background (the parent shows through a transparent
// one), the border piece as a frame whose top line runs through the caption's middle and
// is interrupted behind the caption. Unskinned it draws as the plain group box.
class TsGroupBox : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(CaptionLayout captionLayout READ captionLayout WRITE setCaptionLayout)
    Q_PROPERTY(int captionYOffset READ captionYOffset WRITE setCaptionYOffset)
public:
    enum CaptionLayout { clTopLeft, clTopCenter, clTopRight };
    Q_ENUM(CaptionLayout)

    explicit TsGroupBox(QWidget* parent = nullptr);

    TsCommonData SkinData;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section) { SkinData.SetSkinSection(section); }

    CaptionLayout captionLayout() const { return m_captionLayout; }
    void setCaptionLayout(CaptionLayout layout);
    // Stored only: the caption always stands at the top edge.
    int captionYOffset() const { return m_captionYOffset; }
    void setCaptionYOffset(int offset);

    // The caption's box for a box `width` wide, a caption `textWidth` wide and a font
    // whose "W" is `letterHeight` high.
    static TsRect CaptionBox(int width, int textWidth, int letterHeight, CaptionLayout layout);
    TsRect CaptionBox() const;
    // The frame's top row.
    int FrameTop() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    void PrepareCache();
    void paintFrame(Bitmap24& cache, const TsParentCache& parent);
    bool renderedLookChanged() const;

    CaptionLayout m_captionLayout = clTopLeft;
    int m_captionYOffset = 0;
    QString m_renderedTitle;
    QFont m_renderedFont;
};
