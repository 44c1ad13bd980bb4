#pragma once

#include "skin/controls/TsLabel.h"

// The label class of a control's bound caption label.
class TsEditLabel : public TsLabel
{
    Q_OBJECT
public:
    using TsLabel::TsLabel;
};
