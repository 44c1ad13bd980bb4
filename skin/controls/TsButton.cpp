#include "skin/controls/TsButton.h"

TsButton::TsButton(QWidget* parent)
    : QPushButton(parent)
{
}
