#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

class QueryTest : public ::testing::Test
{
protected:
    QueryTest()
    {
        db.exec(QStringLiteral("INSERT INTO questions (id, question) VALUES (1, 'один'), (2, NULL), (3, 'три')"));
        connection.setDatabasePath(db.file());
    }

    TestDatabase db;
    Connection connection;
    Query query{connection};
};

TEST_F(QueryTest, WalksEveryRowAndStaysOnTheLastAtEof)
{
    query.setSql(QStringLiteral("select id from questions order by id"));
    query.open();
    ASSERT_TRUE(query.isActive());
    QList<qint64> ids;
    while (!query.eof()) {
        ids.append(query.fieldAsInteger("ID"));
        query.next();
    }
    EXPECT_EQ(ids, (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(query.fieldAsInteger("id"), 3);
    query.next();
    EXPECT_TRUE(query.eof());
    query.first();
    EXPECT_FALSE(query.eof());
    EXPECT_EQ(query.fieldAsInteger("id"), 1);
}

TEST_F(QueryTest, OpensTheClosedConnectionOnDemand)
{
    ASSERT_FALSE(connection.isOpen());
    query.setSql(QStringLiteral("select count(*) as n from questions"));
    query.open();
    EXPECT_TRUE(connection.isOpen());
    EXPECT_EQ(query.fieldAsInteger("n"), 3);
}

TEST_F(QueryTest, ReplacingTheTextClosesAndForgetsTheParameter)
{
    query.setSql(QStringLiteral("select question from questions where id=(:par)"));
    query.setParameter(QStringLiteral("par"), 3);
    query.open();
    EXPECT_EQ(query.fieldAsString("question"), QStringLiteral("три"));

    query.setSql(QStringLiteral("select question from questions where id=(:par)"));
    EXPECT_FALSE(query.isActive());
    EXPECT_THROW(query.fieldValue("question"), DataError);
    query.open();
    EXPECT_EQ(query.recordCount(), 0) << "an unset parameter is NULL, and matches nothing";
    EXPECT_TRUE(query.eof());
    EXPECT_TRUE(query.fieldValue("question").isNull());

    query.clear();
    EXPECT_FALSE(query.isActive());
    EXPECT_TRUE(query.sql().isEmpty());
}

TEST_F(QueryTest, ExecSqlLeavesTheQueryClosed)
{
    query.setSql(QStringLiteral("select * from questions"));
    query.open();
    query.setSql(QStringLiteral("delete * from questions where id=1"));
    query.execSql();
    EXPECT_FALSE(query.isActive());
    EXPECT_TRUE(query.columnNames().isEmpty());
    EXPECT_EQ(db.count("questions"), 2);
}

TEST_F(QueryTest, ChangedFollowsWhatTheQueryHolds)
{
    QSignalSpy spy(&query, &Query::changed);
    query.setSql(QStringLiteral("select * from questions"));
    EXPECT_EQ(spy.count(), 0) << "nothing was held yet";
    query.open();
    EXPECT_EQ(spy.count(), 1);
    query.setSql(QStringLiteral("delete from rezult"));
    EXPECT_EQ(spy.count(), 2) << "closing empties the grid";
    query.execSql();
    EXPECT_EQ(spy.count(), 2);
    query.setSql(QStringLiteral("select * from nowhere"));
    EXPECT_THROW(query.open(), DataError);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(QueryTest, FieldConversions)
{
    query.setSql(QStringLiteral("select id, question, 2.5 as half, '17' as txt, 'abc' as word from questions where id=2"));
    query.open();
    EXPECT_EQ(query.fieldAsString("id"), QStringLiteral("2"));
    EXPECT_EQ(query.fieldAsInteger("half"), 2) << "halves round to even";
    EXPECT_EQ(query.fieldAsInteger("txt"), 17);
    EXPECT_THROW(query.fieldAsInteger("word"), DataError);
    try {
        query.fieldAsString("question");
        FAIL() << "NULL turned into text";
    } catch (const DataError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Поле \"question\" пусто: значение NULL нельзя преобразовать в текст"));
    }
    EXPECT_THROW(query.fieldAsInteger("question"), DataError);
    EXPECT_THROW(query.fieldValue("nosuch"), DataError);
}

TEST_F(QueryTest, EngineErrorsCarryTheEnginesMessageAndCloseTheQuery)
{
    const struct {
        const char* sql;
        const char* message;
    } rows[] = {
        {"select * from nosuchtable", "no such table: nosuchtable"},
        {"select nosuchcolumn from questions", "no such column: nosuchcolumn"},
        {"update params set nosuch=1", "no such column: nosuch"},
        {"selec 1", "near \"selec\": syntax error"},
    };
    for (const auto& row : rows) {
        query.setSql(QStringLiteral("select 1 as x"));
        query.open();
        query.setSql(QString::fromUtf8(row.sql));
        try {
            query.open();
            ADD_FAILURE() << row.sql;
        } catch (const DataError& error) {
            // The engine's words are kept, as the message or as the details of a Russian explanation.
            EXPECT_TRUE((error.message() + error.details()).contains(QString::fromUtf8(row.message))) << error.what();
        }
        EXPECT_FALSE(query.isActive()) << row.sql;
    }
}

TEST_F(QueryTest, MissingFileIsReportedAndNeverCreated)
{
    Connection missing;
    missing.setDatabasePath(db.folder() + QStringLiteral("absent.sqlite"));
    Query other(missing);
    other.setSql(QStringLiteral("select 1"));
    try {
        other.open();
        FAIL() << "opened a missing file";
    } catch (const DataError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("absent.sqlite"))) << error.what();
    }
    EXPECT_FALSE(QFile::exists(db.folder() + QStringLiteral("absent.sqlite")));
    // Every later statement tries again and succeeds once the file is there.
    QFile::copy(db.file(), db.folder() + QStringLiteral("absent.sqlite"));
    other.open();
    EXPECT_TRUE(other.isActive());
}

} // namespace
