#include "app/TForm6.h"

#include "app/WindowStyle.h"
#include "ui_TForm6.h"

TForm6::TForm6(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form6>())
{
    ui->setupUi(this);
    WindowStyle::setNoBorder(*this, QSize(500, 220));
    WindowStyle::centreOnScreen(*this);
}

TForm6::~TForm6() = default;
