#include "skin/controls/TsComboBox.h"

TsComboBox::TsComboBox(QWidget* parent)
    : QComboBox(parent)
{
}
