#pragma once

#include "skin/controls/TsRadioButton.h"

class TsRadioGroup;

// The radio button a TsRadioGroup makes for each of its items. It asks the group before
// it changes and reports its clicks to the group.
class TsGroupButton : public TsRadioButton
{
    Q_OBJECT
public:
    explicit TsGroupButton(TsRadioGroup* group);
    ~TsGroupButton() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool groupAllowsChange() const;

    TsRadioGroup* m_group;
};
