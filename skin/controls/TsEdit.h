#pragma once

#include "skin/TsBoundLabel.h"
#include <QLabel> // TsBoundLabel hands out its label
#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"

#include <QLineEdit>
#include <QString>

// A skinned one-line edit. While it is not active the whole face shows, with the text
// drawn by the skin; while it is active (focused) the live editor with its caret shows
// inside the face's 2-pixel frame.
class TsEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
public:
    explicit TsEdit(QWidget* parent = nullptr);
    ~TsEdit() override;

    TsCommonData SkinData;
    TsBoundLabel BoundLabel;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section);
    TsDisabledKind disabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);

    // The text as the skin writes it: password characters in place of the letters.
    QString SkinText() const;
    // Whether the live editor shows (only its frame comes from the face).
    bool ShowsLiveEditor() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    void PrepareCache();
    void syncLook();

    TsDisabledKind m_disabledKind = dkBlended;
    bool m_skinnedLook = false;
};
