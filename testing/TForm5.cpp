#include "testing/TForm5.h"

#include "data/TypedName.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "skin/TsSkinManager.h"
#include "testing/AnswerSheet.h"
#include "testing/TForm1.h"
#include "testing/TForm9.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TForm5.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form5>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(354, 107));
    WindowStyle::centreOnScreen(*this);
    setFont(Fonts::sansSerif(16));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(210, 183, 125));
    setPalette(colours);
    setAutoFillBackground(true);

    // A manager of its own, switched off: the main window's manager skins every window.
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->SetActive(false);
    sSkinManager1->Loaded();

    // The name is what the student types first, and Enter in it starts as the button does.
    connect(ui->sEdit1, &QLineEdit::returnPressed, this, &TForm5::sButton2Click);
}

TForm5::~TForm5() = default;

void TForm5::openEmpty()
{
    WindowStyle::showWindow(*this);
    ui->sEdit1->clear();
    ui->sEdit1->setFocus(Qt::ActiveWindowFocusReason);
}

QString TForm5::studentName() const
{
    return TypedName::cleanTrimmed(ui->sEdit1->text());
}

void TForm5::sButton2Click()
{
    ErrorReport::guard([&] {
        if (studentName().isEmpty()) {
            Dialogs::instance().messageBox(QStringLiteral("Вы не зарегистрировались!"),
                                           QStringLiteral("Information"), Dialogs::Icon::Information);
            return;
        }
        if (!Form1 || !Form9)
            return;
        CourseData& data = Form1->data();
        Form9->resetForNewAttempt();
        AnswerSheet::empty(data.tblTesting);
        Form9->clearAnswerChoice();
        AnswerSheet::draw(data.tblTesting, data.tblTest);
        WindowStyle::showWindow(*Form9);
        close();
    });
}
