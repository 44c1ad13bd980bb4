#include "admin/TForm2.h"

#include "app/WindowStyle.h"
#include "ui_TForm2.h"

TForm2::TForm2(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form2>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(562, 431));
    WindowStyle::centreOnScreen(*this);
}

TForm2::~TForm2() = default;
