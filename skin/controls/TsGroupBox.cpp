#include "skin/controls/TsGroupBox.h"

TsGroupBox::TsGroupBox(QWidget* parent)
    : QGroupBox(parent)
{
}
