// Speed of the teacher's tools: importing a bank of 1,000 questions in each format, the XML
// one with HTML texts as web test systems export them (target: 0.5 s), and the
// question statistics over 10,000 stored answers (target: 100 ms).
#include "admin/QuestionFile.h"
#include "admin/QuestionStatistics.h"
#include "data/AnswerLog.h"
#include "data/Connection.h"
#include "data/QuestionBankStore.h"
#include "data/SqlStatement.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

// <folder>/dbase.sqlite from the course schema and the given SQL.
bool buildDatabase(const QTemporaryDir& folder, const QByteArray& extra = {})
{
    QFile schema(QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly))
        return false;
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(folder.filePath(QStringLiteral("dbase.sqlite")));
    const bool ok = sqlite3_open(file.constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, schema.readAll().constData(), nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_exec(db, extra.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// One exported question: HTML text with references and a picture, feedback, five answers.
QString moodleXmlQuestion(int i, const QString& stem)
{
    QString html = stem;
    html.replace(u'\n', QStringLiteral("</p><p>"));
    QString text = QStringLiteral("  <question type=\"multichoice\">\n    <name><text>В%1</text></name>\n"
                                  "    <questiontext format=\"html\"><text><![CDATA[<p dir=\"ltr\">%2&nbsp;&laquo;x&raquo; "
                                  "<img src=\"@@PLUGINFILE@@/p%1.png\" alt=\"\"></p>]]></text>\n"
                                  "      <file name=\"p%1.png\" path=\"/\" encoding=\"base64\">iVBORw0KGgo=</file>\n"
                                  "    </questiontext>\n    <generalfeedback format=\"html\"><text></text></generalfeedback>\n"
                                  "    <defaultgrade>1.0000000</defaultgrade>\n    <penalty>0.3333333</penalty>\n"
                                  "    <single>true</single>\n    <shuffleanswers>true</shuffleanswers>\n")
                       .arg(i)
                       .arg(html);
    for (int o = 0; o < 5; ++o)
        text += QStringLiteral("    <answer fraction=\"%1\" format=\"html\">\n      <text>&lt;p&gt;Вариант ответа %2 к вопросу %3&lt;/p&gt;</text>\n"
                               "      <feedback format=\"html\"><text>&lt;p&gt;пояснение&lt;/p&gt;</text></feedback>\n    </answer>\n")
                    .arg(o == i % 5 ? 100 : 0)
                    .arg(o + 1)
                    .arg(i);
    return text + QStringLiteral("  </question>\n");
}

// A question file of the given format: questions of three lines of text and five options.
QByteArray questionFile(QuestionFile::Format format, int count)
{
    QString text;
    for (int i = 1; i <= count; ++i) {
        const QString stem = QStringLiteral("Вопрос %1 о реляционной модели данных.\nПервая строка условия: таблица «Студенты».\n"
                                            "Что вернёт запрос SELECT COUNT(*)?")
                                 .arg(i);
        if (format == QuestionFile::Format::MoodleXml) {
            text += moodleXmlQuestion(i, stem);
        } else if (format == QuestionFile::Format::Aiken) {
            text += stem + u'\n';
            for (int o = 0; o < 5; ++o)
                text += QChar(char16_t(u'A' + o)) + QStringLiteral(". Вариант ответа %1 к вопросу %2\n").arg(o + 1).arg(i);
            text += QStringLiteral("ANSWER: %1\n\n").arg(QChar(char16_t(u'A' + i % 5)));
        } else {
            text += QStringLiteral("::В%1::").arg(i) + stem + QStringLiteral(" {\n");
            for (int o = 0; o < 5; ++o)
                text += (o == i % 5 ? QStringLiteral("\t=") : QStringLiteral("\t~"))
                    + QStringLiteral("Вариант ответа %1 к вопросу %2 #пояснение\n").arg(o + 1).arg(i);
            text += QStringLiteral("}\n\n");
        }
    }
    if (format == QuestionFile::Format::MoodleXml)
        text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n") + text + QStringLiteral("</quiz>\n");
    return text.toUtf8();
}

// Read the file, then store its questions after the bank's largest number in one transaction.
void importQuestions(benchmark::State& state, QuestionFile::Format format, const char* fileName)
{
    QTemporaryDir folder;
    if (!buildDatabase(folder)) {
        state.SkipWithError("cannot build the database");
        return;
    }
    Connection connection;
    connection.setDatabasePath(folder.filePath(QStringLiteral("dbase.sqlite")));
    const QByteArray bytes = questionFile(format, int(state.range(0)));
    for (auto _ : state) {
        const QuestionFile::Parsed parsed = QuestionFile::parse(QString::fromLatin1(fileName), bytes);
        QVector<StoredQuestion> questions;
        for (const BankQuestion& question : parsed.result.questions)
            questions << StoredQuestion{0, question.storedText(), question.key()};
        benchmark::DoNotOptimize(QuestionBankStore::append(connection, questions));
        state.PauseTiming();
        if (questions.size() != state.range(0))
            state.SkipWithError("not every question was read");
        SqlStatement(connection.handle(), QStringLiteral("DELETE FROM questions")).run();
        SqlStatement(connection.handle(), QStringLiteral("DELETE FROM keys")).run();
        state.ResumeTiming();
    }
}

void importAiken(benchmark::State& state)
{
    importQuestions(state, QuestionFile::Format::Aiken, "bank.txt");
}

void importGift(benchmark::State& state)
{
    importQuestions(state, QuestionFile::Format::Gift, "bank.gift");
}

void importMoodleXml(benchmark::State& state)
{
    importQuestions(state, QuestionFile::Format::MoodleXml, "bank.xml");
}

// 400 attempts of 25 questions drawn from a bank of 60: 10,000 stored answers, read from
// the database and turned into the statistics grid's rows.
void statistics(benchmark::State& state)
{
    QTemporaryDir folder;
    const QByteArray answers =
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
        "INSERT INTO otvety SELECT 'Студент ' || (i / 25), 'ИС-' || (i / 25 % 7), '14.03.2026 09:' || (i / 25 % 60), "
        "1 + (i * 7 + i / 25) % 60, char(65 + (i * 13) % 5), (i * 13) % 5 = 0 OR (i / 25) % 3 = 0 FROM n;";
    if (!buildDatabase(folder, answers)) {
        state.SkipWithError("cannot build the database");
        return;
    }
    Connection connection;
    connection.setDatabasePath(folder.filePath(QStringLiteral("dbase.sqlite")));
    for (auto _ : state) {
        const QVector<AnswerLog::Answer> stored = AnswerLog::readAll(connection);
        const QVector<QuestionStatistics> rows = QuestionStatistics::compute(stored);
        if (stored.size() != 10000)
            state.SkipWithError("the answers were not all stored");
        benchmark::DoNotOptimize(rows.data());
    }
}

} // namespace

BENCHMARK(importAiken)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(importGift)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(importMoodleXml)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(statistics)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
