#include "skin/controls/TsEdit.h"

TsEdit::TsEdit(QWidget* parent)
    : QLineEdit(parent)
{
}
