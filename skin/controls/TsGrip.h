#pragma once

#include "skin/controls/TsPanel.h"

// The 20 × 20 filler in the corner between a form's two skinned scroll bars: a panel of
// section "CHECKBOX" with a one-blank caption that keeps itself above its siblings.
class TsGrip : public TsPanel
{
    Q_OBJECT
public:
    explicit TsGrip(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
