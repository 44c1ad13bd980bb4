#include "skin/controls/TsBitBtn.h"

TsBitBtn::TsBitBtn(QWidget* parent)
    : QPushButton(parent)
{
}
