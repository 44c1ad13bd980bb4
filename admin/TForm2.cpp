#include "admin/TForm2.h"

#include "admin/BackupCommands.h"
#include "admin/BankTransfer.h"
#include "admin/ResultsExport.h"
#include "admin/ResultsModel.h"
#include "admin/SettingsPassword.h"
#include "admin/StatisticsModel.h"
#include "admin/TForm4.h"
#include "data/AnswerLog.h"
#include "data/CourseData.h"
#include "data/Query.h"
#include "data/Statements.h"
#include "data/TypedName.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui/ShowHandler.h"
#include "ui/WindowStyle.h"
#include "ui_TForm2.h"

#include <QHeaderView>

#include <limits>
#include <optional>

namespace {

const QString kIncompleteData = QStringLiteral("Неполные данные!");
const QString kWrongPassword = QStringLiteral("Неправильный пароль!");

void showMessage(const QString& text)
{
    Dialogs::instance().showMessage(text);
}

// A parameter box's text as a 32-bit signed number; nothing for anything else (pasted
// letters, signs, eleven digits).
std::optional<qint32> parameterValue(const QString& text)
{
    if (!Statements::isDigitsOnly(text))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

// The part of a chosen path after its last separator.
QString fileNameOnly(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

} // namespace

TForm2::TForm2(CourseData& data, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form2>())
    , m_data(data)
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(562, 431));
    WindowStyle::centreOnScreen(*this);
    setFonts();
    ui->DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->DBGrid1->verticalHeader()->setDefaultSectionSize(17);
    m_results = new ResultsModel(query(), this);
    ui->DBGrid1->setModel(m_results);
    // The start and end columns hold a date and a time; each column is as wide as its text.
    connect(m_results, &QAbstractItemModel::modelReset, ui->DBGrid1, &QTableView::resizeColumnsToContents);
    m_bankTransfer = new BankTransfer(connection(), this);
    connect(m_bankTransfer, &BankTransfer::bankChanged, this, [this] { ErrorReport::guard([this] { LoadQuestionIds(); }); });
    m_statistics = new StatisticsModel(this);
    ui->statisticsGrid->setModel(m_statistics);
    ui->statisticsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->statisticsGrid->verticalHeader()->hide();
    ui->statisticsGrid->verticalHeader()->setDefaultSectionSize(17);
    ui->statisticsGrid->horizontalHeader()->setStretchLastSection(true);
    ui->statisticsGrid->horizontalHeader()->setMinimumSectionSize(24);
    const int widths[] = {36, 58, 50, 62, 26, 26, 26, 26, 26};
    for (int column = 0; column < StatisticsModel::Review; ++column)
        ui->statisticsGrid->setColumnWidth(column, widths[column]);
}

TForm2::~TForm2() = default;

void TForm2::setFonts()
{
    setFont(Fonts::sansSerif(11));
    ui->Label4->setFont(Fonts::sansSerif(19));
    ui->Memo1->setFont(Fonts::sansSerif(16));
    ui->DBGrid1->horizontalHeader()->setFont(Fonts::sansSerif(11));
}

Query& TForm2::query()
{
    return m_data.ADOQuery1;
}

void TForm2::attachAddQuestionDialog(TForm4* dialog)
{
    m_addQuestionDialog = dialog;
    if (dialog)
        connect(dialog, &TForm4::closing, this, [this] { ErrorReport::guard([this] { LoadQuestionIds(); }); });
}

Connection& TForm2::connection()
{
    return m_data.ADOConnection1;
}

void TForm2::setVisible(bool visible)
{
    if (visible && !isVisible())
        ShowHandler::runReported([this] { emit showing(); });
    QWidget::setVisible(visible);
}

void TForm2::FormShow()
{
    ErrorReport::guard([&] {
        LoadTopics();
    });
}

// ---- "Темы" ----

void TForm2::LoadTopics()
{
    ui->CheckListBox1->clear();
    Query& q = query();
    q.setSql(Statements::selectTopicsByNumber());
    q.open();
    while (!q.eof()) {
        auto* item = new QListWidgetItem(q.fieldAsString(QStringLiteral("name")));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const QVariant check = q.fieldValue(QStringLiteral("check"));
        const bool marked = !check.isNull() && check.toLongLong() == 1 && check.toDouble() == 1.0;
        item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
        ui->CheckListBox1->addItem(item);
        q.next();
    }
}

void TForm2::CheckListBox1ClickCheck(QListWidgetItem* item)
{
    ErrorReport::guard([&] {
        if (!item)
            return;
        storeMark(item->text(), item->checkState() == Qt::Checked);
    });
}

void TForm2::storeMark(const QString& name, bool marked)
{
    Query& q = query();
    q.setSql(Statements::markTopic(name, marked));
    q.execSql();
    // The list is rebuilt once the toggle has finished: the item being toggled is still in
    // use by the list while this handler runs.
    QMetaObject::invokeMethod(this, &TForm2::LoadTopics, Qt::QueuedConnection);
}

void TForm2::Button3Click()
{
    ErrorReport::guard([&] {
        Dialogs& dialogs = Dialogs::instance();
        const std::optional<QString> path = dialogs.chooseFile();
        if (!path) {
            dialogs.showMessage(QStringLiteral("Введите название темы"));
        } else {
            const QString fileName = fileNameOnly(*path);
            const QString name = TypedName::cleanTrimmed(
                dialogs.inputQuery(QStringLiteral("Введите название темы"), QString(), QString(), Dialogs::Echo::Normal)
                    .value_or(QString()));
            if (!name.isEmpty()) {
                Query& q = query();
                q.setSql(Statements::insertTopic(fileName, name));
                q.execSql();
                show();
                raise();
                activateWindow();
            }
        }
        LoadTopics();
    });
}

void TForm2::Button4Click()
{
    ErrorReport::guard([&] {
        // With nothing selected there is nothing to delete.
        QListWidgetItem* item = ui->CheckListBox1->currentItem();
        if (!item || !item->isSelected())
            return;
        Query& q = query();
        q.clear();
        q.setSql(Statements::deleteTopic(item->text()));
        q.execSql();
        LoadTopics();
    });
}

// ---- "База тестов" ----

void TForm2::TabSheet3Show()
{
    ErrorReport::guard([&] {
        LoadQuestionIds();
    });
}

void TForm2::LoadQuestionIds()
{
    ui->ListBox1->clear();
    ui->Memo1->clear();
    ui->Label4->clear();
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox1->clearEditText();
    Query& q = query();
    q.setSql(Statements::selectQuestionIds());
    q.open();
    while (!q.eof()) {
        ui->ListBox1->addItem(q.fieldAsString(QStringLiteral("id")));
        q.next();
    }
}

qint64 TForm2::selectedQuestionId() const
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return -1;
    bool ok = false;
    const qint64 id = selected.front()->text().toLongLong(&ok);
    return ok ? id : -1;
}

void TForm2::ListBox1Click()
{
    ErrorReport::guard([&] {
        const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
        if (selected.isEmpty())
            return;
        ui->Label4->setText(selected.front()->text());
        const qint64 id = selectedQuestionId();
        if (id < 0)
            return;
        Query& q = query();
        q.setSql(Statements::selectQuestionWithKey(id));
        q.open();
        ui->Memo1->setPlainText(q.fieldAsString(QStringLiteral("question")));
        const QVariant key = q.fieldValue(QStringLiteral("key"));
        const QString letter = key.isNull() ? QString() : key.toString().left(1);
        const int index = ui->ComboBox1->findText(letter);
        if (!letter.isEmpty() && index >= 0)
            ui->ComboBox1->setCurrentIndex(index);
    });
}

void TForm2::Button7Click()
{
    ErrorReport::guard([&] {
        if (ui->Memo1->toPlainText().isEmpty()) {
            showMessage(kIncompleteData);
            return;
        }
        const qint64 id = selectedQuestionId();
        if (id < 0) {
            showMessage(kIncompleteData);
            return;
        }
        Query& q = query();
        q.setSql(Statements::updateQuestionText(id, ui->Memo1->toPlainText()));
        q.execSql();
        q.setSql(Statements::updateKey(id, ui->ComboBox1->currentText()));
        q.execSql();
    });
}

void TForm2::Button5Click()
{
    ErrorReport::guard([&] {
        if (!m_addQuestionDialog)
            return;
        m_addQuestionDialog->show();
        m_addQuestionDialog->raise();
        m_addQuestionDialog->activateWindow();
    });
}

void TForm2::Button6Click()
{
    ErrorReport::guard([&] {
        const qint64 id = selectedQuestionId();
        if (id < 0)
            return;
        Query& q = query();
        if (const std::optional<QString> refusal = deletionRefusal(q)) {
            showMessage(*refusal);
            return;
        }
        q.clear();
        q.setSql(Statements::deleteQuestion(id));
        q.execSql();
        q.clear();
        q.setSql(Statements::deleteKey(id));
        q.execSql();
        LoadQuestionIds();
    });
}

// The timed test draws its questions from those in the bank, so the bank never shrinks
// below the count the test asks for.
std::optional<QString> TForm2::deletionRefusal(Query& q)
{
    q.setSql(Statements::selectParameters());
    q.open();
    const QVariant kolvo = q.eof() ? QVariant() : q.fieldValue(QStringLiteral("kolvo"));
    bool ok = false;
    const qint64 needed = kolvo.isNull() ? 0 : kolvo.toLongLong(&ok);
    if (!ok || needed <= 0)
        return std::nullopt;
    q.setSql(Statements::countQuestions());
    q.open();
    const qint64 remaining = q.fieldAsInteger(QStringLiteral("m")) - 1;
    if (remaining >= needed)
        return std::nullopt;
    return QStringLiteral("Вопрос не удалён: контрольному тесту нужно вопросов: %1, а в базе "
                          "останется: %2. Сначала уменьшите количество вопросов на вкладке "
                          "«Тестирование».")
        .arg(needed)
        .arg(remaining);
}

// ---- "Тестирование" ----

void TForm2::TabSheet1Show()
{
    ErrorReport::guard([&] {
        Query& q = query();
        q.setSql(Statements::selectResultsForGrid());
        q.open();
    });
}

void TForm2::dropAllButDigits(QChar* key)
{
    const char16_t code = key->unicode();
    if ((code < u'0' || code > u'9') && code != 8)
        *key = QChar();
}

void TForm2::Edit1KeyPress(QChar* key)
{
    ErrorReport::guard([&] {
        dropAllButDigits(key);
    });
}

void TForm2::Edit2KeyPress(QChar* key)
{
    ErrorReport::guard([&] {
        dropAllButDigits(key);
    });
}

void TForm2::Button1Click()
{
    ErrorReport::guard([&] {
        if (ui->Edit1->text().isEmpty() || ui->Edit2->text().isEmpty()) {
            showMessage(kIncompleteData);
            return;
        }
        // Text pasted through the context menu passes the key filter; it is refused here.
        const std::optional<qint32> minutes = parameterValue(ui->Edit1->text());
        const std::optional<qint32> count = parameterValue(ui->Edit2->text());
        // A test of no minutes or no questions could never be taken.
        if (!minutes || !count || *minutes == 0 || *count == 0) {
            showMessage(kIncompleteData);
            return;
        }
        Query& q = query();
        q.setSql(Statements::countQuestions());
        q.open();
        if (q.fieldAsInteger(QStringLiteral("m")) < *count) {
            showMessage(QStringLiteral("В базе не хватает вопросов"));
            return;
        }
        q.setSql(Statements::updateParameters(*minutes, *count));
        q.execSql();
        TabSheet1Show();
    });
}

// The old window deleted every result without a word; a misclick cost a term's results.
// The answers behind the results go with them, or the statistics would go on counting
// attempts the teacher removed.
void TForm2::Button2Click()
{
    ErrorReport::guard([&] {
        Dialogs& dialogs = Dialogs::instance();
        if (!dialogs.askYesNo(QStringLiteral("Удалить все результаты контрольного теста?"), Dialogs::applicationTitle(),
                              Dialogs::Icon::None))
            return;
        AnswerLog::ensureTable(connection());
        Query answers(connection());  // the shared query keeps what the results grid shows
        answers.setSql(Statements::countAnswers());
        answers.open();
        const bool anyAnswers = answers.fieldAsInteger(QStringLiteral("m")) > 0;
        if ((anyAnswers || ResultsExport::hasTimedResults(connection()))
            && dialogs.askYesNo(QStringLiteral("Сохранить результаты в файл перед удалением?"),
                                Dialogs::applicationTitle(), Dialogs::Icon::None)
            && !ResultsExport::exportTimedResults(connection()))
            return;
        Query& q = query();
        q.setSql(Statements::deleteAllResults());
        q.execSql();
        q.setSql(Statements::deleteAllAnswers());
        q.execSql();
    });
}

// ---- "Защита" ----

void TForm2::Button8Click()
{
    ErrorReport::guard([&] {
        const QString oldPassword = ui->Edit3->text();
        const QString newPassword = ui->Edit4->text();
        const QString repeated = ui->Edit5->text();
        ui->Edit3->clear();
        ui->Edit4->clear();
        ui->Edit5->clear();

        Query& q = query();
        if (!SettingsPassword::matches(oldPassword, SettingsPassword::readStored(q))
            || newPassword != repeated || repeated.isEmpty()
            // The password is a number: anything but decimal digits would never match again.
            || !Statements::isDigitsOnly(repeated)) {
            showMessage(kWrongPassword);
            return;
        }
        q.setSql(Statements::updatePassword());
        q.setParameter(QStringLiteral("par"), repeated);
        q.execSql();
        showMessage(QStringLiteral("Пароль изменен"));
    });
}

// ---- Files and statistics ----

void TForm2::importButtonClick()
{
    ErrorReport::guard([&] {
        // The dialog numbers its next question when it is shown; imported questions would take
        // that number first.
        if (m_addQuestionDialog && m_addQuestionDialog->isVisible()) {
            showMessage(QStringLiteral("Закройте окно добавления вопроса, затем повторите импорт."));
            return;
        }
        m_bankTransfer->startImport();
    });
}

void TForm2::exportBankButtonClick()
{
    ErrorReport::guard([&] {
        m_bankTransfer->exportBank();
    });
}

void TForm2::exportResultsButtonClick()
{
    ErrorReport::guard([&] {
        ResultsExport::exportTimedResults(connection());
    });
}

void TForm2::exportFixedResultsButtonClick()
{
    ErrorReport::guard([&] {
        ResultsExport::exportFixedResults(connection());
    });
}

void TForm2::backupButtonClick()
{
    ErrorReport::guard([&] {
        BackupCommands::backUp(connection());
    });
}

void TForm2::restoreButtonClick()
{
    ErrorReport::guard([&] {
        if (!BackupCommands::restore(connection()))
            return;
        LoadTopics();
        LoadQuestionIds();
        TabSheet1Show();
    });
}

void TForm2::TabSheet5Show()
{
    ErrorReport::guard([&] {
        m_statistics->reload(connection());
        ui->statisticsSummary->setText(m_statistics->summary());
    });
}

void TForm2::statisticsGridDoubleClick(const QModelIndex& index)
{
    ErrorReport::guard([&] {
        const QString id = QString::number(m_statistics->questionAt(index.row()));
        ui->PageControl1->setCurrentWidget(ui->TabSheet3);
        const QList<QListWidgetItem*> found = ui->ListBox1->findItems(id, Qt::MatchExactly);
        if (found.isEmpty()) {
            showMessage(QStringLiteral("Вопроса №%1 в банке больше нет.").arg(id));
            return;
        }
        ui->ListBox1->setCurrentItem(found.front());
        ui->ListBox1->scrollToItem(found.front());
    });
}
