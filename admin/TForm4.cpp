#include "admin/TForm4.h"

#include "data/CourseData.h"
#include "data/Query.h"
#include "data/Statements.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui/ShowHandler.h"
#include "ui/WindowStyle.h"
#include "ui_TForm4.h"

#include <QCloseEvent>


TForm4::TForm4(CourseData& data, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form4>())
    , m_data(data)
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(343, 359));
    WindowStyle::centreOnScreen(*this);
    setFont(Fonts::sansSerif(11));
}

TForm4::~TForm4() = default;

void TForm4::setVisible(bool visible)
{
    if (visible && !isVisible())
        ShowHandler::runReported([this] { emit showing(); });
    QWidget::setVisible(visible);
}

void TForm4::closeEvent(QCloseEvent* event)
{
    emit closing();
    QWidget::closeEvent(event);
}

void TForm4::FormShow()
{
    ErrorReport::guard([&] {
        PrepareNewQuestion();
    });
}

void TForm4::PrepareNewQuestion()
{
    Query& q = m_data.ADOQuery1;
    q.setSql(Statements::selectLargestQuestionId());
    q.open();
    const QVariant largest = q.eof() ? QVariant() : q.fieldValue(QStringLiteral("m"));
    m_lastQuestionNumber = largest.isNull() ? 0 : largest.toLongLong();
    setWindowTitle(QStringLiteral("Добавление вопроса №") + QString::number(m_lastQuestionNumber + 1));
    ui->Memo1->setPlainText(QStringLiteral("Введите текст тестового вопроса с вариантами ответа"));
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox1->clearEditText();
}

void TForm4::Button1Click()
{
    ErrorReport::guard([&] {
        Dialogs& dialogs = Dialogs::instance();
        const QString text = ui->Memo1->toPlainText();
        const QString letter = ui->ComboBox1->currentText();
        // A letter counts as chosen when the box holds one of its own items, typed or picked.
        if (text.isEmpty() || ui->ComboBox1->findText(letter) < 0) {
            dialogs.showMessage(QStringLiteral("Неполные данные!"));
            return;
        }
        const qint64 id = m_lastQuestionNumber + 1;
        Query& q = m_data.ADOQuery1;
        q.setSql(Statements::insertKey(id, letter));
        q.execSql();
        q.setSql(Statements::insertQuestion(id, text));
        q.execSql();
        PrepareNewQuestion();
    });
}
