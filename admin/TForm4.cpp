#include "admin/TForm4.h"

#include "app/WindowStyle.h"
#include "ui_TForm4.h"

TForm4::TForm4(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form4>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(343, 359));
    WindowStyle::centreOnScreen(*this);
}

TForm4::~TForm4() = default;
