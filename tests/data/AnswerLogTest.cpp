#include "common/TestDatabase.h"
#include "data/AnswerLog.h"
#include "data/Connection.h"
#include "data/DataError.h"

#include <gtest/gtest.h>

class AnswerLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database.exec(QStringLiteral("INSERT INTO keys VALUES (1, 'A'), (2, 'b'), (3, NULL)"));
        connection.setDatabasePath(database.file());
    }

    QString rows()
    {
        QStringList lines;
        for (const QVector<QVariant>& row : database.rows(QStringLiteral(
                 "SELECT fio, gruppa, vrem_nachala, id, otv, pravilno FROM otvety ORDER BY id, vrem_nachala")))
        {
            QStringList cells;
            for (const QVariant& cell : row)
                cells << (cell.isValid() ? cell.toString() : QStringLiteral("NULL"));
            lines << cells.join(u'|');
        }
        return lines.join(u'\n');
    }

    TestDatabase database;
    Connection connection;
    const AnswerLog::Attempt attempt{QStringLiteral("Иванов"), QStringLiteral("ИС-21"), QStringLiteral("t1")};
};

TEST_F(AnswerLogTest, StoresTheLastLetterPerQuestionAndWhetherItMatchedTheKey)
{
    struct Step {
        qint64 id;
        const char* letter;
    };
    // Question 2's key is a lower-case b and question 3 has none: neither can be matched;
    // question 4 has no key row at all.
    const Step steps[] = {{1, "B"}, {1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}};
    for (const Step& step : steps)
        AnswerLog::record(connection, attempt, step.id, QString::fromLatin1(step.letter));
    EXPECT_EQ(rows(), QStringLiteral("Иванов|ИС-21|t1|1|A|1\n"
                                     "Иванов|ИС-21|t1|2|B|0\n"
                                     "Иванов|ИС-21|t1|3|C|0\n"
                                     "Иванов|ИС-21|t1|4|D|0"));
}

// Regression: an attempt without a name must still replace its earlier answer, not pile up.
TEST_F(AnswerLogTest, AnAttemptWithoutNameStillHasOneRowPerQuestion)
{
    const AnswerLog::Attempt nameless{QString(), QString(), QStringLiteral("t2")};
    AnswerLog::record(connection, nameless, 1, QStringLiteral("C"));
    AnswerLog::record(connection, nameless, 1, QStringLiteral("A"));
    EXPECT_EQ(database.count(QStringLiteral("otvety")), 1);
    const QVector<AnswerLog::Answer> answers = AnswerLog::readAll(connection);
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers.front().letter, QStringLiteral("A"));
    EXPECT_TRUE(answers.front().right);
}

// A course database made before the answer log existed gets the table on the first answer.
TEST_F(AnswerLogTest, OlderDatabaseWithoutTheTable)
{
    database.exec(QStringLiteral("DROP TABLE otvety"));
    EXPECT_TRUE(AnswerLog::readAll(connection).isEmpty());
    AnswerLog::record(connection, attempt, 1, QStringLiteral("A"));
    EXPECT_EQ(AnswerLog::readAll(connection).size(), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'otvety_popytka'")).toInt(), 1);
}

// The table the program creates is the one the course script creates.
TEST_F(AnswerLogTest, CreatedTableMatchesTheCourseSchema)
{
    const auto definition = [this] {
        QStringList columns;
        for (const QVector<QVariant>& row : database.rows(QStringLiteral(
                 "SELECT name, type FROM pragma_table_info('otvety') ORDER BY cid")))
            columns << row.value(0).toString() + u' ' + row.value(1).toString();
        for (const QVector<QVariant>& row : database.rows(QStringLiteral(
                 "SELECT name FROM pragma_index_info('otvety_popytka') ORDER BY seqno")))
            columns << row.value(0).toString();
        return columns.join(u',');
    };
    const QString fromScript = definition();
    database.exec(QStringLiteral("DROP TABLE otvety"));
    AnswerLog::ensureTable(connection);
    EXPECT_EQ(definition(), fromScript);
    EXPECT_FALSE(fromScript.isEmpty());
}

TEST_F(AnswerLogTest, MissingDatabaseThrows)
{
    connection.setDatabasePath(database.folder() + QStringLiteral("nothing.sqlite"));
    EXPECT_THROW(AnswerLog::record(connection, attempt, 1, QStringLiteral("A")), DataError);
}
