#pragma once

#include "skin/TsBoundLabel.h"
#include <QLabel> // TsBoundLabel hands out its label
#include "skin/TsCommonData.h"
#include "skin/paint/PaintBlend.h"

#include <QPlainTextEdit>
#include <QString>

// A skinned multi-line text box: the live text on the section's colour (its hot colour
// while active) inside the face's 2-pixel frame.
class TsMemo : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
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

protected:
    bool event(QEvent* event) override;

private:
    void PrepareCache();
    void paintFrame();
    void syncLook();
    void syncColour();

    bool m_skinnedLook = false;
    // The colour the layout gave, restored when the skin goes.
    QColor m_ownColour;
};
