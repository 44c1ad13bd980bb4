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

using CourseScenario = CourseBackendFixture;

TEST_P(CourseScenario, TopicsAreListedMarkedAddedAndDeleted)
{
    Query query(connection);
    query.setSql(Statements::selectTopicsByNumber());
    query.open();
    ASSERT_GT(query.recordCount(), 3);
    EXPECT_EQ(query.fieldAsInteger(QStringLiteral("nom")), 1) << "ordered by number";
    const QString first = query.fieldAsString(QStringLiteral("name"));

    for (const bool marked : {false, true}) {
        query.setSql(Statements::markTopic(first, marked));
        query.execSql();
        EXPECT_EQ(scalar({QStringLiteral("SELECT [check] FROM temi WHERE name = ?"), {first}}).toLongLong(), marked ? 1 : 0);
    }

    const qint64 largest = scalar(QStringLiteral("SELECT max(nom) FROM temi")).toLongLong();
    query.setSql(Statements::insertTopic(QStringLiteral("o'neil.htm"), QStringLiteral("О'Нил ? :par [x]")));
    query.execSql();
    EXPECT_EQ(scalar({QStringLiteral("SELECT nom FROM temi WHERE file_name = ?"), {QStringLiteral("o'neil.htm")}}).toLongLong(),
              largest + 1)
        << "a topic without a number goes to the end";
    EXPECT_EQ(scalar({QStringLiteral("SELECT name FROM temi WHERE file_name = ?"), {QStringLiteral("o'neil.htm")}}).toString(),
              QStringLiteral("О'Нил ? :par [x]"))
        << "markers and quotes inside a value are the value's";

    query.setSql(Statements::deleteTopic(QStringLiteral("О'Нил ? :par [x]")));
    query.execSql();
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM temi WHERE nom > ") + QString::number(largest)).toLongLong(), 0);
}

TEST_P(CourseScenario, TimedTestBankIsEditedThroughTheSharedQuery)
{
    Query q(connection);
    q.setSql(Statements::selectLargestQuestionId());
    q.open();
    const qint64 next = q.fieldAsInteger(QStringLiteral("m")) + 1;
    q.setSql(Statements::insertKey(next, QStringLiteral("C")));
    q.execSql();
    q.setSql(Statements::insertQuestion(next, QStringLiteral("It's new\nA) a\nB) b")));
    q.execSql();

    q.setSql(Statements::selectQuestionByParameter());
    q.setParameter(QStringLiteral("par"), next);
    q.open();
    EXPECT_EQ(q.fieldAsString(QStringLiteral("question")), QStringLiteral("It's new\nA) a\nB) b"));
    q.setSql(Statements::selectKeyByParameter());
    q.setParameter(QStringLiteral(":par"), next);
    q.open();
    EXPECT_EQ(q.fieldAsString(QStringLiteral("key")), QStringLiteral("C"));

    q.setSql(Statements::updateQuestionText(next, QStringLiteral("changed")));
    q.execSql();
    q.setSql(Statements::updateKey(next, QStringLiteral("E")));
    q.execSql();
    q.setSql(Statements::selectQuestionWithKey(next));
    q.open();
    EXPECT_EQ(q.fieldAsString(QStringLiteral("question")), QStringLiteral("changed"));
    EXPECT_EQ(q.fieldAsString(QStringLiteral("key")), QStringLiteral("E"));

    q.setSql(Statements::deleteQuestion(next));
    q.execSql();
    q.setSql(Statements::deleteKey(next));
    q.execSql();
    q.setSql(Statements::selectQuestionWithKey(next));
    q.open();
    EXPECT_TRUE(q.eof());
}

TEST_P(CourseScenario, ParametersPasswordAndResultsRoundTrip)
{
    Query q(connection);
    q.setSql(Statements::updateParameters(25, 7));
    q.execSql();
    q.setSql(Statements::selectParameters());
    q.open();
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("vrem")), 25);
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("kolvo")), 7);

    q.setSql(Statements::updatePassword());
    q.setParameter(QStringLiteral("par"), QStringLiteral("98765"));
    q.execSql();
    q.setSql(Statements::selectPassword());
    q.open();
    EXPECT_EQ(q.fieldValue(QStringLiteral("pas")).toLongLong(), 98765) << "a whole password reads back whole";

    q.setSql(Statements::insertTimedResult(QStringLiteral("О'Брайен"), QStringLiteral("ИС-2"), QStringLiteral("80"),
                                           QStringLiteral("01.02.2026 10:00:00"), QStringLiteral("01.02.2026 10:20:00")));
    q.execSql();
    q.setSql(Statements::selectResultsForGrid());
    q.open();
    EXPECT_EQ(q.columnNames(), (QStringList{"Имя", "Группа", "Процент", "Начало", "Окончание"}));
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldAsString(QStringLiteral("Имя")), QStringLiteral("О'Брайен"));
    q.setSql(Statements::deleteAllResults());
    q.execSql();
    q.setSql(Statements::countTimedResults());
    q.open();
    EXPECT_EQ(q.fieldAsInteger(QStringLiteral("m")), 0);
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
        data.tblTesting.setFieldValue(QStringLiteral("nom"), QString::number(slot));
        data.tblTesting.setFieldValue(QStringLiteral("nom1"), slot * 10);
        data.tblTesting.post();
    }
    ASSERT_TRUE(data.tblTesting.locate(QStringLiteral("nom"), QStringLiteral("2"), {}));
    data.tblTesting.edit();
    data.tblTesting.setFieldValue(QStringLiteral("otv"), QStringLiteral("B"));
    data.tblTesting.post();
    ASSERT_TRUE(data.tblTesting.locate(QStringLiteral("nom"), QStringLiteral("3"), {}));
    data.tblTesting.deleteRecord();

    data.tblResult.insert();
    data.tblResult.setFieldValue(QStringLiteral("fio"), QStringLiteral("Петров"));
    data.tblResult.setFieldValue(QStringLiteral("data"), QDate(2026, 3, 14));
    data.tblResult.setFieldValue(QStringLiteral("kol"), 20);
    data.tblResult.setFieldValue(QStringLiteral("ocenka"), QStringLiteral("4"));
    data.tblResult.post();
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
    EXPECT_EQ(added.text, QStringLiteral("new"));
    EXPECT_EQ(added.key, QStringLiteral("D"));
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
    try {
        Transaction transaction(connection);
        connection.execute(Statements::insertBankQuestion(500, QStringLiteral("half-written")));
        connection.execute(QStringLiteral("SELECT no_such_column FROM questions"));
        transaction.commit();
        FAIL() << "the statement on a missing column must fail";
    } catch (const DataError&) {
    }
    EXPECT_EQ(scalar(Statements::countBankQuestions()).toLongLong(), before);
    connection.execute(Statements::insertBankQuestion(501, QStringLiteral("after")));
    EXPECT_EQ(scalar(Statements::countBankQuestions()).toLongLong(), before + 1) << "the connection goes on";
}

INSTANTIATE_TEST_SUITE_P(Backends, CourseScenario, ::testing::Values(Backend::File, Backend::Server), backendName);

} // namespace
