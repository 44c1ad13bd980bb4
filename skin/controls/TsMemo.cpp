#include "skin/controls/TsMemo.h"

TsMemo::TsMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
}
