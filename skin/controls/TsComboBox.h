#pragma once

#include "skin/TsBoundLabel.h"
#include <QLabel> // TsBoundLabel hands out its label
#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/TsRect.h"

#include <QComboBox>
#include <QPointer>
#include <QString>

class TsComboBoxStyle;

// A skinned combo box: the section's face with the skin's text and the glyph button
// (pressed while the list is open, hot while active). The unfocused box shows the whole
// face; the focused editable box shows its live editor (text, caret, selection) inside
// the face's 3-pixel frame and button, so what the user types is what they see.
// A read-only box takes the focus but neither types, opens its list nor changes its
// selection.
class TsComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
public:
    explicit TsComboBox(QWidget* parent = nullptr);
    ~TsComboBox() override;

    TsCommonData SkinData;
    TsBoundLabel BoundLabel;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    TsDisabledKind disabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);
    // TextLeft, TextCenter or TextRight: where the skin writes the text.
    unsigned alignment() const { return m_alignment; }
    void setAlignment(unsigned alignment);

    // The list was opened and has not closed since.
    bool Dropped() const { return m_dropped; }

    // The skin's button glyph frame (16 × 16 without one).
    QSize GlyphSize() const;
    QRect ButtonRect() const;
    // Where the skin writes the text.
    TsRect TextRect() const;
    // Where the live editor stands: inside the frame, left of the button.
    QRect EditFieldRect() const;
    bool ShowsLiveEditor() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    void PrepareCache();
    virtual void PaintText(Bitmap24& cache, bool hot);

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    void watchEditor();
    void placeEditor();
    void lookChanged();

    TsComboBoxStyle* m_style;
    QPointer<QLineEdit> m_watchedEditor;
    TsDisabledKind m_disabledKind = dkBlended;
    unsigned m_alignment = 0;
    bool m_readOnly = false;
    bool m_dropped = false;
};
