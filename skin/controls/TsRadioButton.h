#pragma once

#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/TsRect.h"

#include <QRadioButton>
#include <QString>

// A skinned radio button: the glyph of the skin's "GLOBALINFO" section and the caption
// over the parent's face, rendered anew at every paint (it keeps no cache between paints).
// A press on it and a release anywhere check it; a read-only button ignores the mouse and
// the space bar. It emits clicked() when it becomes checked, from the user or from code.
class TsRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
public:
    explicit TsRadioButton(QWidget* parent = nullptr);

    TsCommonData SkinData;
    TsDisabledKind DisabledKind = dkBlended;
    int Margin = 2;
    int TextIndent = 0;
    bool ShowFocus = true;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section) { SkinData.SetSkinSection(section); }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool Pressed() const { return m_pressed; }

    // Checks or unchecks; becoming checked clicks unless clicks are held back.
    void SetChecked(bool checked);
    // Where the glyph stands.
    TsRect GlyphRect() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void press();
    void release();
    int glyphImageIndex() const;
    void renderFace();

    bool m_readOnly = false;
    bool m_pressed = false;
    bool m_clicksDisabled = false;
};
