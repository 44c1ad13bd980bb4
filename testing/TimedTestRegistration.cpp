#include "testing/TimedTestRegistration.h"

#include "data/TypedName.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "testing/TForm1.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TimedTestRegistration.h"

TimedTestRegistration::TimedTestRegistration(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TimedTestRegistration>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(330, 112));
    setFont(Fonts::sansSerif(13));
}

TimedTestRegistration::~TimedTestRegistration() = default;

void TimedTestRegistration::openEmpty()
{
    ui->fioEdit->clear();
    ui->gruppaEdit->clear();
    WindowStyle::centreOnScreen(*this);
    show();
    raise();
    activateWindow();
    ui->fioEdit->setFocus();
}

void TimedTestRegistration::startButtonClicked()
{
    ErrorReport::guard([&] {
        const QString fio = TypedName::cleanTrimmed(ui->fioEdit->text());
        const QString gruppa = TypedName::cleanTrimmed(ui->gruppaEdit->text());
        if (fio.isEmpty() || gruppa.isEmpty()) {
            Dialogs::instance().messageBox(QStringLiteral("Вы не зарегистрировались!"),
                                           QStringLiteral("Information"), Dialogs::Icon::Information);
            return;
        }
        TimedTestFio = fio;
        TimedTestGruppa = gruppa;
        hide();
        if (Form1)
            Form1->show();
    });
}
