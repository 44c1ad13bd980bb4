#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/Statements.h"

#include <gtest/gtest.h>

namespace {

class StatementsTest : public ::testing::Test
{
protected:
    StatementsTest()
    {
        db.exec(QStringLiteral(
            "INSERT INTO temi (nom, name, file_name, file_pr, \"check\") VALUES"
            " (2, 'Вторая', 'b.htm', 'b.pdf', 0), (1, 'Первая', 'a.htm', 'a.pdf', 0);"
            "INSERT INTO questions (id, question) VALUES (1, 'Вопрос один'), (2, 'Вопрос два');"
            "INSERT INTO keys (id, \"key\") VALUES (1, 'A'), (2, 'B');"
            "INSERT INTO params (identifikator, vrem, kolvo, pas) VALUES (1, 15, 2, 1234);"
            "INSERT INTO rezult VALUES ('Иванов', 'ИС-1', '50', '01.01.2026 10:00:00', '01.01.2026 10:15:00');"));
        connection.setDatabasePath(db.file());
    }

    void execute(const SqlText& sql)
    {
        query.setSql(sql);
        query.execSql();
    }
    void open(const SqlText& sql)
    {
        query.setSql(sql);
        query.open();
    }

    TestDatabase db;
    Connection connection;
    Query query{connection};
};

TEST(StatementsText, QuoteTextDoublesInnerQuotes)
{
    const struct {
        const char* text;
        const char* quoted;
    } rows[] = {
        {"", "''"},
        {"plain", "'plain'"},
        {"O'Neil", "'O''Neil'"},
        {"''", "''''''"},
        {"it's\n'line two'", "'it''s\n''line two'''"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Statements::quoteText(QString::fromUtf8(row.text)), QString::fromUtf8(row.quoted)) << row.text;
}

TEST(StatementsText, EngineDialectRewritesOnlyJetDeletes)
{
    const struct {
        const char* sql;
        const char* engine;
    } rows[] = {
        {"DELETE * FROM temi WHERE name = 'x'", "DELETE FROM temi WHERE name = 'x'"},
        {"delete * FROM keys WHERE id=3", "DELETE FROM keys WHERE id=3"},
        {"delete   *   from rezult", "DELETE FROM rezult"},
        {"DELETE FROM temi", "DELETE FROM temi"},
        {"select * from temi order by nom", "select * from temi order by nom"},
        // A value that reads like a Jet delete is data, not SQL.
        {"DELETE * FROM temi WHERE name = 'delete * from x'", "DELETE FROM temi WHERE name = 'delete * from x'"},
        {"insert into temi (name) values ('it''s delete * from')", "insert into temi (name) values ('it''s delete * from')"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Statements::toEngineDialect(QString::fromUtf8(row.sql)), QString::fromUtf8(row.engine)) << row.sql;
}

// A value never becomes part of a statement's text, so no value can change what it does.
TEST(StatementsText, ValuesAreBoundNeverSpliced)
{
    const QString hostile = QStringLiteral("x'); DROP TABLE temi; --");
    const struct {
        const char* name;
        SqlText sql;
    } rows[] = {
        {"markTopic", Statements::markTopic(hostile, true)},
        {"insertTopic", Statements::insertTopic(hostile, hostile)},
        {"deleteTopic", Statements::deleteTopic(hostile)},
        {"updateQuestionText", Statements::updateQuestionText(7, hostile)},
        {"updateKey", Statements::updateKey(7, hostile)},
        {"insertKey", Statements::insertKey(7, hostile)},
        {"insertQuestion", Statements::insertQuestion(7, hostile)},
        {"insertTimedResult", Statements::insertTimedResult(hostile, hostile, hostile, hostile, hostile)},
        {"recordAnswer", Statements::recordAnswer(hostile, hostile, hostile, 7, hostile)},
        {"insertBankQuestion", Statements::insertBankQuestion(7, hostile)},
        {"keepInOutbox", Statements::keepInOutbox(hostile, hostile, hostile, {})},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(row.sql.text.contains(QStringLiteral("DROP"))) << row.name;
        EXPECT_FALSE(row.sql.server.contains(QStringLiteral("DROP"))) << row.name;
        const bool bound = row.sql.values.contains(hostile) || QVariantHash(row.sql.named).values().contains(hostile);
        EXPECT_TRUE(bound) << row.name;
    }
}

TEST(StatementsText, PasswordMustBeDecimalDigits)
{
    const struct {
        const char* text;
        bool accepted;
    } rows[] = {
        {"0042", true},   {"7", true},          {"1234567890", true},
        {"", false},      {"vrem", false},      {"1,kolvo=0", false},
        {"12a", false},   {" 12", false},       {"-1", false},
        {"1.5", false},   {"١٢", false}, // Arabic-Indic digits are digits, but not decimal ASCII
    };
    for (const auto& row : rows)
        EXPECT_EQ(Statements::isDigitsOnly(QString::fromUtf8(row.text)), row.accepted) << row.text;
}

TEST_F(StatementsTest, TopicStatementsHaveTheirEffect)
{
    open(Statements::selectTopicsByNumber());
    ASSERT_EQ(query.recordCount(), 2);
    EXPECT_EQ(query.fieldAsString("name"), QStringLiteral("Первая"));
    EXPECT_EQ(query.fieldAsInteger("CHECK"), 0);

    execute(Statements::markTopic(QStringLiteral("Вторая"), true));
    EXPECT_EQ(db.scalar("SELECT \"check\" FROM temi WHERE name='Вторая'").toInt(), 1);
    EXPECT_EQ(db.scalar("SELECT \"check\" FROM temi WHERE name='Первая'").toInt(), 0);
    execute(Statements::markTopic(QStringLiteral("Вторая"), false));
    EXPECT_EQ(db.scalar("SELECT \"check\" FROM temi WHERE name='Вторая'").toInt(), 0);

    execute(Statements::insertTopic(QStringLiteral("o'neil.htm"), QStringLiteral("O'Neil")));
    EXPECT_EQ(db.scalar("SELECT file_name FROM temi WHERE name='O''Neil'").toString(), QStringLiteral("o'neil.htm"));
    EXPECT_EQ(db.scalar("SELECT nom FROM temi WHERE name='O''Neil'").toInt(), 3);

    execute(Statements::deleteTopic(QStringLiteral("O'Neil")));
    EXPECT_EQ(db.count("temi"), 2);
    execute(Statements::deleteTopic(QStringLiteral("Первая")));
    EXPECT_EQ(db.scalar("SELECT group_concat(name) FROM temi").toString(), QStringLiteral("Вторая"));
}

TEST_F(StatementsTest, QuestionBankStatementsHaveTheirEffect)
{
    open(Statements::selectQuestionIds());
    EXPECT_EQ(query.recordCount(), 2);

    open(Statements::selectQuestionWithKey(2));
    ASSERT_EQ(query.recordCount(), 1);
    EXPECT_EQ(query.fieldAsString("question"), QStringLiteral("Вопрос два"));
    EXPECT_EQ(query.fieldAsString("key"), QStringLiteral("B"));

    const QString multiLine = QStringLiteral("Что делает 'SELECT'?\nA) ''выбирает''\nB) ничего");
    execute(Statements::updateQuestionText(2, multiLine));
    EXPECT_EQ(db.scalar("SELECT question FROM questions WHERE id=2").toString(), multiLine);
    EXPECT_EQ(db.scalar("SELECT question FROM questions WHERE id=1").toString(), QStringLiteral("Вопрос один"));

    execute(Statements::updateKey(2, QStringLiteral("E")));
    EXPECT_EQ(db.scalar("SELECT \"key\" FROM keys WHERE id=2").toString(), QStringLiteral("E"));

    open(Statements::selectLargestQuestionId());
    EXPECT_EQ(query.fieldAsInteger("M"), 2);

    execute(Statements::insertKey(3, QStringLiteral("D")));
    execute(Statements::insertQuestion(3, QStringLiteral("It's third")));
    EXPECT_EQ(db.scalar("SELECT question FROM questions WHERE id=3").toString(), QStringLiteral("It's third"));
    EXPECT_EQ(db.scalar("SELECT \"key\" FROM keys WHERE id=3").toString(), QStringLiteral("D"));

    open(Statements::countQuestions());
    EXPECT_EQ(query.fieldAsInteger("m"), 3);

    execute(Statements::deleteQuestion(2));
    execute(Statements::deleteKey(2));
    EXPECT_EQ(db.scalar("SELECT group_concat(id) FROM questions").toString(), QStringLiteral("1,3"));
    EXPECT_EQ(db.scalar("SELECT group_concat(id) FROM keys").toString(), QStringLiteral("1,3"));
}

TEST_F(StatementsTest, LargestIdOfAnEmptyBankIsNull)
{
    db.exec("DELETE FROM questions");
    open(Statements::selectLargestQuestionId());
    ASSERT_EQ(query.recordCount(), 1);
    EXPECT_TRUE(query.fieldValue("m").isNull());
    EXPECT_EQ(query.fieldValue("m").toLongLong(), 0);
}

TEST_F(StatementsTest, ParameterAndResultStatementsHaveTheirEffect)
{
    execute(Statements::updateParameters(30, 10));
    EXPECT_EQ(db.scalar("SELECT vrem FROM params").toInt(), 30);
    EXPECT_EQ(db.scalar("SELECT kolvo FROM params").toInt(), 10);

    open(Statements::selectParameters());
    EXPECT_EQ(query.fieldAsInteger("vrem"), 30);
    EXPECT_EQ(query.fieldAsInteger("KOLVO"), 10);

    open(Statements::selectPassword());
    EXPECT_EQ(query.fieldAsInteger("pas"), 1234);

    execute(Statements::insertTimedResult(QStringLiteral("О'Брайен"), QStringLiteral("ИС-2"), QStringLiteral("100"),
                                          QStringLiteral("02.01.2026 09:00:00"), QStringLiteral("02.01.2026 09:20:00")));
    EXPECT_EQ(db.count("rezult"), 2);
    EXPECT_EQ(db.scalar("SELECT gruppa FROM rezult WHERE fio='О''Брайен'").toString(), QStringLiteral("ИС-2"));

    open(Statements::selectResultsForGrid());
    EXPECT_EQ(query.columnNames(), (QStringList{QStringLiteral("Имя"), QStringLiteral("Группа"), QStringLiteral("Процент"),
                                                QStringLiteral("Начало"), QStringLiteral("Окончание")}));
    ASSERT_EQ(query.recordCount(), 2);
    EXPECT_EQ(query.value(0, 0).toString(), QStringLiteral("Иванов"));
    EXPECT_EQ(query.fieldAsString("окончание"), QStringLiteral("01.01.2026 10:15:00"));

    execute(Statements::deleteAllResults());
    EXPECT_EQ(db.count("rezult"), 0);
}

TEST_F(StatementsTest, TimedTestStatementsTakeTheParameter)
{
    for (const qint64 id : {1, 2}) {
        query.setSql(Statements::selectQuestionByParameter());
        query.setParameter(QStringLiteral("par"), id);
        query.open();
        ASSERT_EQ(query.recordCount(), 1) << id;
        EXPECT_EQ(query.fieldAsInteger("id"), id);

        query.setSql(Statements::selectKeyByParameter());
        query.setParameter(QStringLiteral("par"), id);
        query.open();
        ASSERT_EQ(query.recordCount(), 1) << id;
        EXPECT_EQ(query.fieldAsString("key"), id == 1 ? QStringLiteral("A") : QStringLiteral("B"));
    }
    // An integer parameter is not a text: '1' would not equal the INTEGER id 1 in a plain column.
    query.setSql(QStringLiteral("select typeof(:par) as t"));
    query.setParameter(QStringLiteral("par"), 1);
    query.open();
    EXPECT_EQ(query.fieldAsString("t"), QStringLiteral("integer"));
}

TEST_F(StatementsTest, PasswordIsStoredAsANumberFromItsDigits)
{
    const QString typed = QStringLiteral("0042");
    ASSERT_TRUE(Statements::isDigitsOnly(typed));
    query.setSql(Statements::updatePassword());
    query.setParameter(QStringLiteral("par"), typed);
    query.execSql();
    EXPECT_EQ(db.scalar("SELECT typeof(pas) FROM params").toString(), QStringLiteral("integer"));
    open(Statements::selectPassword());
    EXPECT_EQ(query.fieldAsInteger("pas"), 42);
    // The other parameters are untouched, whatever the text held.
    EXPECT_EQ(db.scalar("SELECT kolvo FROM params").toInt(), 2);
}

TEST_F(StatementsTest, SplicedPasswordWouldHaveRewrittenOtherColumns)
{
    // The regression the bound parameter prevents: the text is a value, never SQL.
    query.setSql(Statements::updatePassword());
    query.setParameter(QStringLiteral("par"), QStringLiteral("1,kolvo=0"));
    query.execSql();
    EXPECT_EQ(db.scalar("SELECT kolvo FROM params").toInt(), 2);
    EXPECT_EQ(db.scalar("SELECT pas FROM params").toString(), QStringLiteral("1,kolvo=0"));
}

} // namespace
