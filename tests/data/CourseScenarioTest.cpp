// The scenarios the windows run, against the file and against the server alike.
#include "data/CourseBackendFixture.h"

#include "data/AnswerLog.h"
#include "data/CourseData.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/QuestionBankStore.h"
#include "data/Statements.h"
#include "data/TableObject.h"
#include "data/Transaction.h"

namespace {

// Every statement goes through the one shared query, as in the windows.
class CourseScenario : public CourseBackendFixture
{
protected:
    void run(std::initializer_list<SqlText> statements)
    {
        for (const SqlText& sql : statements) {
            q.setSql(sql);
            q.execSql();
        }
    }
    Query& open(const SqlText& sql)
    {
        q.setSql(sql);
        q.open();
        return q;
    }
    Query q{connection};
};

TEST_P(CourseScenario, TopicsAreListedMarkedAddedAndDeleted)
{
    open(Statements::selectTopicsByNumber());
    ASSERT_GT(q.recordCount(), 3);
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("nom")), 1) << "ordered by number";
    const QString first = q.fieldAsString(QStringLiteral("name"));
    for (const bool marked : {false, true}) {
        run({Statements::markTopic(first, marked)});
        EXPECT_EQ(scalar({QStringLiteral("SELECT [check] FROM temi WHERE name = ?"), {first}}).toLongLong(), marked ? 1 : 0);
    }

    const qint64 largest = scalar(QStringLiteral("SELECT max(nom) FROM temi")).toLongLong();
    const QString name = QStringLiteral("О'Нил ? :par [x]"); // markers and quotes inside a value are the value's
    run({Statements::insertTopic(QStringLiteral("o'neil.htm"), name)});
    const auto added = connection.execute({QStringLiteral("SELECT nom, name FROM temi WHERE file_name = 'o''neil.htm'")}).rows;
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added.at(0).at(0).toLongLong(), largest + 1) << "a topic without a number goes to the end";
    EXPECT_EQ(added.at(0).at(1).toString(), name);
    run({Statements::deleteTopic(name)});
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM temi WHERE nom > ") + QString::number(largest)).toLongLong(), 0);
}

TEST_P(CourseScenario, TimedTestBankIsEditedThroughTheSharedQuery)
{
    const qint64 next = open(Statements::selectLargestQuestionId()).fieldAsInteger(QStringLiteral("m")) + 1;
    const QString text = QStringLiteral("It's new\nA) a\nB) b");
    run({Statements::insertKey(next, QStringLiteral("C")), Statements::insertQuestion(next, text)});
    // Named markers, given with and without the colon.
    q.setSql(Statements::selectQuestionByParameter());
    q.setParameter(QStringLiteral("par"), next);
    q.open();
    EXPECT_EQ(q.fieldAsString(QStringLiteral("question")), text);
    q.setSql(Statements::selectKeyByParameter());
    q.setParameter(QStringLiteral(":par"), next);
    q.open();
    EXPECT_EQ(q.fieldAsString(QStringLiteral("key")), QStringLiteral("C"));

    run({Statements::updateQuestionText(next, QStringLiteral("changed")), Statements::updateKey(next, QStringLiteral("E"))});
    open(Statements::selectQuestionWithKey(next));
    EXPECT_EQ(q.fieldAsString(QStringLiteral("question")), QStringLiteral("changed"));
    EXPECT_EQ(q.fieldAsString(QStringLiteral("key")), QStringLiteral("E"));
    run({Statements::deleteQuestion(next), Statements::deleteKey(next)});
    EXPECT_TRUE(open(Statements::selectQuestionWithKey(next)).eof());
}

TEST_P(CourseScenario, ParametersPasswordAndResultsRoundTrip)
{
    run({Statements::updateParameters(25, 7)});
    open(Statements::selectParameters());
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("vrem")), 25);
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("kolvo")), 7);
    q.setSql(Statements::updatePassword());
    q.setParameter(QStringLiteral("par"), QStringLiteral("98765"));
    q.execSql();
    EXPECT_EQ(open(Statements::selectPassword()).fieldValue(QStringLiteral("pas")).toLongLong(), 98765)
        << "a whole password reads back whole";

    run({Statements::insertTimedResult(QStringLiteral("О'Брайен"), QStringLiteral("ИС-2"), QStringLiteral("80"),
                                       QStringLiteral("01.02.2026 10:00:00"), QStringLiteral("01.02.2026 10:20:00"))});
    open(Statements::selectResultsForGrid());
    EXPECT_EQ(q.columnNames(), (QStringList{"Имя", "Группа", "Процент", "Начало", "Окончание"}));
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldAsString(QStringLiteral("Имя")), QStringLiteral("О'Брайен"));
    run({Statements::deleteAllResults()});
    EXPECT_EQ(open(Statements::countTimedResults()).fieldAsInteger(QStringLiteral("m")), 0);
}

// Sets the fields of the current record, as an edit window does, and posts it.
void post(TableObject& table, std::initializer_list<std::pair<const char*, QVariant>> fields)
{
    for (const auto& [name, value] : fields)
        table.setFieldValue(QString::fromUtf8(name), value);
    table.post();
}

TEST_P(CourseScenario, FixedTestSheetAndResultThroughTableObjects)
{
    CourseData data;
    if (GetParam() == Backend::Server)
        data.useServer(connection.server());
    data.openTables(file.folder());
    ASSERT_GT(data.tblTest.recordCount(), 0);
    EXPECT_EQ(data.tblTesting.recordCount(), 0);
    for (int slot = 1; slot <= 3; ++slot) {
        data.tblTesting.insert();
        post(data.tblTesting, {{"nom", QString::number(slot)}, {"nom1", slot * 10}});
    }
    ASSERT_TRUE(data.tblTesting.locate(QStringLiteral("nom"), QStringLiteral("2"), {}));
    data.tblTesting.edit();
    post(data.tblTesting, {{"otv", QStringLiteral("B")}});
    ASSERT_TRUE(data.tblTesting.locate(QStringLiteral("nom"), QStringLiteral("3"), {}));
    data.tblTesting.deleteRecord();

    data.tblResult.insert();
    post(data.tblResult,
         {{"fio", QStringLiteral("Петров")}, {"data", QDate(2026, 3, 14)}, {"kol", 20}, {"ocenka", QStringLiteral("4")}});
    EXPECT_EQ(data.tblResult.fieldAsString(QStringLiteral("data")), QStringLiteral("2026-03-14"));
    EXPECT_EQ(data.tblResult.fieldAsInteger(QStringLiteral("kol")), 20);

    const auto sheet = connection.execute(QStringLiteral("SELECT nom, nom1, otv FROM testing ORDER BY nom")).rows;
    ASSERT_EQ(sheet.size(), 2);
    EXPECT_EQ(sheet.at(0).at(1).toLongLong(), 10);
    EXPECT_TRUE(sheet.at(0).at(2).isNull());
    EXPECT_EQ(sheet.at(1).at(2).toString(), QStringLiteral("B"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ocenka FROM result WHERE fio = 'Петров'")).toString(), QStringLiteral("4"));
}

TEST_P(CourseScenario, AnswersReplaceWithinAnAttemptAndTheBankIsReplacedWhole)
{
    const AnswerLog::Attempt attempt{QStringLiteral("Сидоров"), QStringLiteral("ИС-1"), QStringLiteral("01.01.2026 09:00:00")};
    const QString key = scalar(QStringLiteral("SELECT \"key\" FROM keys WHERE id = 1")).toString();
    const QString wrong = key == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
    AnswerLog::record(connection, attempt, 1, wrong);
    AnswerLog::record(connection, attempt, 1, key);
    AnswerLog::record(connection, attempt, 2, wrong);
    const QVector<AnswerLog::Answer> answers = AnswerLog::readAll(connection);
    ASSERT_EQ(answers.size(), 2) << "the second answer to question 1 replaced the first";
    EXPECT_EQ(answers.at(0).letter, key);
    EXPECT_TRUE(answers.at(0).right);

    const qint64 first = QuestionBankStore::append(connection, {{0, QStringLiteral("new"), QStringLiteral("D")}});
    const StoredQuestion added = QuestionBankStore::readAll(connection).last();
    EXPECT_EQ(added.id, first);
    EXPECT_EQ(added.text + added.key, QStringLiteral("newD"));
    QuestionBankStore::replace(connection, {{0, QStringLiteral("only"), QStringLiteral("A")}});
    const QVector<StoredQuestion> bank = QuestionBankStore::readAll(connection);
    ASSERT_EQ(bank.size(), 1);
    EXPECT_EQ(bank.first().id, 1);
    EXPECT_EQ(bank.first().text, QStringLiteral("only"));
    EXPECT_TRUE(AnswerLog::readAll(connection).isEmpty()) << "answers of the old bank go with it";
}

TEST_P(CourseScenario, TransactionNotCommittedLeavesNothing)
{
    const qint64 before = scalar(Statements::countBankQuestions()).toLongLong();
    EXPECT_THROW(
        {
            Transaction transaction(connection);
            connection.execute(Statements::insertBankQuestion(500, QStringLiteral("half-written")));
            connection.execute(QStringLiteral("SELECT no_such_column FROM questions"));
            transaction.commit();
        },
        DataError);
    EXPECT_EQ(scalar(Statements::countBankQuestions()).toLongLong(), before);
    connection.execute(Statements::insertBankQuestion(501, QStringLiteral("after")));
    EXPECT_EQ(scalar(Statements::countBankQuestions()).toLongLong(), before + 1) << "the connection goes on";
}

INSTANTIATE_TEST_SUITE_P(Backends, CourseScenario, ::testing::Values(Backend::File, Backend::Server), backendName);

} // namespace
