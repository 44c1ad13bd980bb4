#pragma once

#include "skin/TsBoundLabel.h"
#include <QLabel> // TsBoundLabel hands out its label
#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"

#include <QPlainTextEdit>
#include <QString>

class TsScrollBar;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A skinned multi-line text box: the live text on the section's colour (its hot colour
// while active) inside the face's 2-pixel frame. The bars that ScrollBars asks for are
// skinned scroll bars inside the frame; a memo 15 pixels or less across shows none.
class TsMemo : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(int ScrollBars READ ScrollBars WRITE SetScrollBars)
public:
    explicit TsMemo(QWidget* parent = nullptr);
    ~TsMemo() override;

    TsCommonData SkinData;
    TsBoundLabel BoundLabel;
    TsDisabledKind DisabledKind = dkBlended;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section);

    // The colour the text stands on now.
    QColor TextBackground() const;

    int ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(int style);
    TsScrollBar* VertBar() const;
    TsScrollBar* HorzBar() const;

protected:
    bool event(QEvent* event) override;

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    void PrepareCache();
    void paintFrame();
    void syncLook();
    void syncColour();
    void UpdateScrollBars();
    void syncBarEnabled(TsScrollBar* bar);

    bool m_skinnedLook = false;
    // The colour the layout gave, restored when the skin goes.
    QColor m_ownColour;
    TScrollStyle m_scrollBars = ssNone;
};
