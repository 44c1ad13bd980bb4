#include "testing/TForm9.h"

#include "platform/ErrorReport.h"
#include "skin/TsSkinManager.h"
#include "testing/AnswerSheet.h"
#include "testing/GradeBand.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TForm9.h"

#include <QDate>
#include <QTextCursor>

TForm9::TForm9(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form9>())
{
    ui->setupUi(this);
    WindowStyle::setSizeableBorder(*this, QSize(527, 439));
    move(238, 108);
    setFont(Fonts::sansSerif(11));
    ui->sMemo1->setFont(Fonts::font(QStringLiteral("Times New Roman"), 19));
    QPalette memoColours = ui->sMemo1->palette();
    memoColours.setColor(QPalette::Base, Qt::white);
    ui->sMemo1->setPalette(memoColours);
    ui->sLabel3->setLayoutDirection(Qt::RightToLeft);
    ui->sGroupBox1->hide();

    // A manager of its own, switched off: the main window's manager skins every window.
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->SetActive(false);
    sSkinManager1->Loaded();
}

TForm9::~TForm9() = default;

void TForm9::resetForNewAttempt()
{
    ui->sMemo1->clear();
    ui->sGroupBox1->hide();
    ui->sMemo1->show();
    for (int slot = 1; slot <= AnswerSheet::kSlotCount; ++slot)
        questionButton(slot)->setEnabled(true);
}

void TForm9::clearAnswerChoice()
{
    ui->sRadioGroup1->setItemIndex(-1);
}

TsButton* TForm9::questionButton(int slot) const
{
    TsButton* const buttons[] = {
        ui->sButton2, ui->sButton3, ui->sButton4, ui->sButton5, ui->sButton6,
        ui->sButton7, ui->sButton8, ui->sButton9, ui->sButton10, ui->sButton11,
        ui->sButton12, ui->sButton13, ui->sButton14, ui->sButton15, ui->sButton16,
        ui->sButton17, ui->sButton18, ui->sButton19, ui->sButton20, ui->sButton21,
    };
    return buttons[slot - 1];
}

void TForm9::openQuestion(int slot)
{
    if (!Form1)
        return;
    CourseData& data = Form1->data();
    ui->sMemo1->clear();
    const qint64 question = AnswerSheet::openSlot(data.tblTesting, slot);
    data.tblTest.locate(QStringLiteral("nom"), question, {});
    // Each line is added as soon as it is read: a missing text stops here with the
    // lines before it shown and the button still enabled.
    ui->sMemo1->appendPlainText(data.tblTest.fieldAsString(QStringLiteral("test")));
    static const char* const prefixes[] = {"A)  ", "B)  ", "C)  ", "D)  ", "E)  "};
    for (int i = 0; i < 5; ++i) {
        const QString option = data.tblTest.fieldAsString(QStringLiteral("ot%1").arg(i + 1));
        ui->sMemo1->appendPlainText(QLatin1String(prefixes[i]) + option);
    }
    // Appending leaves the memo at its end; a long question would start above the top.
    ui->sMemo1->moveCursor(QTextCursor::Start);
    ui->sRadioGroup1->setItemIndex(-1);
    const int stored = AnswerSheet::indexForLetter(data.tblTesting.fieldValue(QStringLiteral("otv")));
    if (stored >= 0)
        ui->sRadioGroup1->setItemIndex(stored);
    questionButton(slot)->setEnabled(false);
}

void TForm9::sRadioGroup1Click()
{
    ErrorReport::guard([&] {
        if (!Form1)
            return;
        TableObject& sheet = Form1->data().tblTesting;
        // Before any start the sheet may be empty; there is then no slot to write to.
        if (sheet.recordCount() == 0)
            return;
        sheet.edit();
        const QString letter = AnswerSheet::letterForIndex(ui->sRadioGroup1->itemIndex());
        if (!letter.isEmpty())
            sheet.setFieldValue(QStringLiteral("otv"), letter);
    });
}

void TForm9::sButton22Click()
{
    ErrorReport::guard([&] {
        if (!Form1)
            return;
        CourseData& data = Form1->data();
        const int correct = AnswerSheet::countCorrect(data.tblTesting, data.tblTest);
        const double percentage = correct * 100.0 / AnswerSheet::kSlotCount;
        ui->sLabel2->setText(QStringLiteral("Верно: ") + QString::number(correct));
        QString letterGrade;
        if (const GradeBand* band = GradeBand::find(percentage)) {
            ui->sLabel3->setText(band->labelText());
            letterGrade = band->letterGrade();
        }
        const QString name = Form5 ? Form5->studentName() : QString();
        ui->sLabel1->setText(name);
        for (QLabel* label : {ui->sLabel1, ui->sLabel2, ui->sLabel3})
            label->adjustSize();

        TableObject& results = data.tblResult;
        // A hand-in whose record could not be written (database busy, disk full) left it
        // pending; this hand-in writes its own record, not that one as well.
        results.cancel();
        results.insert();
        results.setFieldValue(QStringLiteral("fio"), name);
        results.setFieldValue(QStringLiteral("data"), QDate::currentDate());
        results.setFieldValue(QStringLiteral("kol"), QStringLiteral("20"));
        results.setFieldValue(QStringLiteral("ocenka"), letterGrade);
        results.post();

        ui->sMemo1->hide();
        ui->sGroupBox1->show();
    });
}
