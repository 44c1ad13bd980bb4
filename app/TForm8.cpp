#include "app/TForm8.h"

#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"
#include "ui/Fonts.h"
#include "ui/WindowStyle.h"
#include "ui_TForm8.h"

#include <QUrl>
#include <QWebEngineView>

TForm8::TForm8(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form8>())
{
    ui->setupUi(this);
    setFont(Fonts::sansSerif(11));
    WindowStyle::setDialogBorder(*this, QSize(801, 625));
    WindowStyle::centreOnScreen(*this);
}

TForm8::~TForm8() = default;

QWebEngineView* TForm8::WebBrowser1() const
{
    return ui->WebBrowser1;
}

QString TForm8::manualPath()
{
    return ProgramFolder::path() + QStringLiteral("text/help.htm");
}

void TForm8::FormCreate()
{
    ErrorReport::guard([&] {
        loadManual();
    });
}

void TForm8::showManual()
{
    WindowStyle::showWindow(*this);
    loadManual();
}

void TForm8::loadManual()
{
    ui->WebBrowser1->load(QUrl::fromLocalFile(manualPath()));
}
