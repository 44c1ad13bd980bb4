#include "testing/TForm1.h"

#include "app/WindowStyle.h"
#include "platform/ProgramFolder.h"
#include "ui_TForm1.h"

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form1>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(662, 332));
    WindowStyle::centreOnScreen(*this);
    m_data.openTables(ProgramFolder::path());
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    m_data.openStatementConnection(ProgramFolder::path());
}
