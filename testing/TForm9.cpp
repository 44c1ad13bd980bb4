#include "testing/TForm9.h"

#include "app/WindowStyle.h"
#include "ui_TForm9.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form9>())
{
    ui->setupUi(this);
    WindowStyle::setSizeableBorder(*this, QSize(527, 439));
    move(238, 108);
}

TForm9::~TForm9() = default;
