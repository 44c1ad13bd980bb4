#include "app/TForm8.h"

#include "app/WindowStyle.h"
#include "ui_TForm8.h"

TForm8::TForm8(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form8>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(801, 625));
    WindowStyle::centreOnScreen(*this);
}

TForm8::~TForm8() = default;
