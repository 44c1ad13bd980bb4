#include "app/TForm3.h"

#include "app/WindowStyle.h"
#include "ui_TForm3.h"

TForm3::TForm3(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form3>())
{
    ui->setupUi(this);
    WindowStyle::setSizeableBorder(*this, QSize(891, 690));
    WindowStyle::centreOnScreen(*this);
}

TForm3::~TForm3() = default;
