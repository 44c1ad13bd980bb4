#include "testing/TForm5.h"

#include "app/WindowStyle.h"
#include "ui_TForm5.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form5>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(354, 107));
    WindowStyle::centreOnScreen(*this);
}

TForm5::~TForm5() = default;
