#include "admin/BankTransfer.h"

#include "admin/AikenFormat.h"
#include "admin/GiftFormat.h"
#include "admin/ImportPreviewDialog.h"
#include "admin/MoodleXmlFormat.h"
#include "admin/QuestionFile.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/QuestionBankStore.h"
#include "data/Statements.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void showMessage(const QString& text)
{
    Dialogs::instance().showMessage(text);
}

QString shownName(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The file's bytes, or nothing after telling the teacher why not.
std::optional<QByteArray> readQuestionFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).size() > BankTransfer::kMaxFileSize) {
        showMessage(QStringLiteral("Файл «%1» слишком велик для файла вопросов.").arg(shownName(path)));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("Не удалось открыть файл «%1»: %2").arg(shownName(path), file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    // A picture or a document chosen by mistake; UTF-16 text has zero bytes but starts with its mark.
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        showMessage(QStringLiteral("Файл «%1» не похож на текстовый файл с вопросами.").arg(shownName(path)));
        return std::nullopt;
    }
    return bytes;
}

QVector<StoredQuestion> toStored(const QVector<BankQuestion>& questions)
{
    QVector<StoredQuestion> stored;
    stored.reserve(questions.size());
    for (const BankQuestion& question : questions)
        stored << StoredQuestion{0, question.storedText(), question.key()};
    return stored;
}

qint64 timedTestQuestionCount(Connection& connection)
{
    return connection.execute(Statements::selectQuestionCount()).rows.value(0).value(0).toLongLong();
}

qint64 bankSize(Connection& connection)
{
    return connection.execute(Statements::countBankQuestions()).rows.value(0).value(0).toLongLong();
}

QString skippedList(const QVector<SkippedQuestion>& skipped)
{
    constexpr int kShown = 15;
    QStringList lines;
    for (int i = 0; i < skipped.size() && i < kShown; ++i)
        lines << QStringLiteral("№%1 — %2").arg(skipped.at(i).id).arg(skipped.at(i).reason);
    if (skipped.size() > kShown)
        lines << QStringLiteral("и ещё %1").arg(skipped.size() - kShown);
    return lines.join(u'\n');
}

// The file's name says the format: ".gift", ".xml", anything else Aiken.
QuestionFile::Format exportFormat(const QString& path)
{
    if (path.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive))
        return QuestionFile::Format::Gift;
    if (path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
        return QuestionFile::Format::MoodleXml;
    return QuestionFile::Format::Aiken;
}

ExportResult writeBank(QuestionFile::Format format, const QVector<StoredQuestion>& bank)
{
    switch (format) {
    case QuestionFile::Format::Gift: return GiftFormat::write(bank);
    case QuestionFile::Format::MoodleXml: return MoodleXmlFormat::write(bank);
    case QuestionFile::Format::Aiken: break;
    }
    return AikenFormat::write(bank);
}

} // namespace

BankTransfer::BankTransfer(Connection& connection, QWidget* window)
    : QObject(window)
    , m_connection(connection)
    , m_window(window)
{
}

ImportPreviewDialog* BankTransfer::preview() const
{
    return m_preview;
}

void BankTransfer::startImport()
{
    if (m_preview) {
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    const std::optional<QString> path = Dialogs::instance().chooseFileToOpen(
        QStringLiteral("Импорт вопросов"),
        QStringLiteral("Вопросы Aiken, GIFT или Moodle XML (*.txt *.gift *.xml);;Все файлы (*)"));
    if (!path)
        return;
    const std::optional<QByteArray> bytes = readQuestionFile(*path);
    if (!bytes)
        return;
    const QuestionFile::Parsed parsed = QuestionFile::parse(*path, *bytes);
    if (parsed.result.questions.isEmpty() && parsed.result.issues.isEmpty()) {
        showMessage(QStringLiteral("В файле «%1» нет ни одного вопроса.").arg(shownName(*path)));
        return;
    }
    const QString description = QStringLiteral("Файл «%1»: формат %2, кодировка %3.")
                                    .arg(shownName(*path), QuestionFile::formatName(parsed.format),
                                         TextFileDecoder::name(parsed.encoding));
    m_preview = new ImportPreviewDialog(description, parsed.result, m_window);
    m_preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview->setWindowModality(Qt::WindowModal);
    connect(m_preview, &QDialog::finished, this, [this](int result) { ErrorReport::guard([&] { previewFinished(result); }); });
    m_preview->show();
}

bool BankTransfer::confirmReplace(int incoming)
{
    QString text = QStringLiteral("Заменить весь банк (вопросов сейчас: %1) вопросами из файла (%2)?\n"
                                  "Прежние вопросы, их ключи и ответы студентов на них будут удалены.")
                       .arg(bankSize(m_connection))
                       .arg(incoming);
    const qint64 needed = timedTestQuestionCount(m_connection);
    if (needed > incoming)
        text += QStringLiteral("\nВ контрольном тесте задано вопросов: %1 — больше, чем будет в банке; "
                               "тест не начнётся, пока их не станет достаточно.")
                    .arg(needed);
    return Dialogs::instance().askYesNo(text, Dialogs::applicationTitle(), Dialogs::Icon::None);
}

void BankTransfer::previewFinished(int choice)
{
    if (!m_preview || (choice != ImportPreviewDialog::Append && choice != ImportPreviewDialog::Replace))
        return;
    const QVector<StoredQuestion> questions = toStored(m_preview->result().questions);
    try {
        if (choice == ImportPreviewDialog::Append) {
            const qint64 first = QuestionBankStore::append(m_connection, questions);
            showMessage(QStringLiteral("Добавлено вопросов: %1 (номера %2–%3).")
                            .arg(questions.size())
                            .arg(first)
                            .arg(first + questions.size() - 1));
        } else {
            if (!confirmReplace(int(questions.size())))
                return;
            QuestionBankStore::replace(m_connection, questions);
            showMessage(QStringLiteral("Банк заменён: вопросов %1.").arg(questions.size()));
        }
    } catch (const DataError& error) {
        Dialogs::instance().showError(QStringLiteral("Вопросы не сохранены, банк не изменён.\n") + error.message(),
                                      error.details());
        return;
    }
    emit bankChanged();
}

void BankTransfer::exportBank()
{
    const QVector<StoredQuestion> bank = QuestionBankStore::readAll(m_connection);
    if (bank.isEmpty()) {
        showMessage(QStringLiteral("В банке нет вопросов."));
        return;
    }
    const std::optional<QString> path = Dialogs::instance().chooseFileToSave(
        QStringLiteral("Экспорт вопросов"),
        QStringLiteral("Вопросы Aiken (*.txt);;Вопросы GIFT (*.gift);;Вопросы Moodle XML (*.xml)"),
        QDir::home().filePath(QStringLiteral("вопросы.txt")));
    if (!path)
        return;
    const QuestionFile::Format format = exportFormat(*path);
    const ExportResult result = writeBank(format, bank);
    if (result.written == 0) {
        showMessage(QStringLiteral("Ни один вопрос не записан в формате %1:\n%2")
                        .arg(QuestionFile::formatName(format), skippedList(result.skipped)));
        return;
    }
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(result.text.toUtf8()) < 0 || !file.commit()) {
        showMessage(QStringLiteral("Не удалось записать файл «%1»: %2").arg(shownName(*path), file.errorString()));
        return;
    }
    QString text = QStringLiteral("Выгружено вопросов: %1 в файл «%2».").arg(result.written).arg(shownName(*path));
    if (!result.skipped.isEmpty())
        text += QStringLiteral("\nНе выгружены (формат их не передаёт):\n") + skippedList(result.skipped);
    showMessage(text);
}
