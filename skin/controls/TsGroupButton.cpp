#include "skin/controls/TsGroupButton.h"

#include "skin/controls/TsRadioGroup.h"

#include <QKeyEvent>

TsGroupButton::TsGroupButton(TsRadioGroup* group)
    : TsRadioButton(group)
    , m_group(group)
{
    ShowFocus = true;
    hide();
    setEnabled(group->isEnabled());
    setFocusPolicy(Qt::StrongFocus);
}

TsGroupButton::~TsGroupButton() = default;

bool TsGroupButton::groupAllowsChange() const
{
    return m_group && m_group->CanModify();
}

void TsGroupButton::mousePressEvent(QMouseEvent* event)
{
    if (groupAllowsChange())
        TsRadioButton::mousePressEvent(event);
}

void TsGroupButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !groupAllowsChange())
        return;
    TsRadioButton::keyPressEvent(event);
}

void TsGroupButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!groupAllowsChange())
        return;
    TsRadioButton::keyReleaseEvent(event);
}
