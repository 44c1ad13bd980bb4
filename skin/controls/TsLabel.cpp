#include "skin/controls/TsLabel.h"

TsLabel::TsLabel(QWidget* parent)
    : QLabel(parent)
{
}
