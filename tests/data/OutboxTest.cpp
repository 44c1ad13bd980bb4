// Results written while the server is away wait in the outbox and arrive exactly once.
#include "data/CourseBackendFixture.h"

#include "data/Outbox.h"
#include "data/ServerUnreachable.h"
#include "data/Statements.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class OutboxWhileServerAway : public CourseBackendFixture
{
protected:
    void TearDown() override
    {
        // A failed assertion must not leave the shared server down for the next test.
        if (!PgTestServer::shared().available())
            PgTestServer::shared().start();
    }

    qint64 rowsOf(const QString& fio)
    {
        return scalar({QStringLiteral("SELECT count(*) FROM rezult WHERE fio = ?"), {fio}}).toLongLong();
    }

    QTemporaryDir folder;
    Outbox outbox{folder.filePath(QStringLiteral("outbox.sqlite"))};
};

TEST_P(OutboxWhileServerAway, ResultWaitsAndIsSentExactlyOnce)
{
    int notices = 0;
    connection.setOutbox(&outbox);
    connection.setDeferredNotice([&] { ++notices; });
    connection.execute(Statements::insertTimedResult("До", "ИС-1", "10", "s", "f"));
    EXPECT_EQ(notices, 0);

    ASSERT_TRUE(PgTestServer::shared().stop());
    const SqlRows kept = connection.execute(Statements::insertTimedResult("Во время", "ИС-1", "90", "s", "f"));
    EXPECT_TRUE(kept.deferred);
    EXPECT_EQ(notices, 1);
    EXPECT_THROW(connection.execute(Statements::countTimedResults()), ServerUnreachable)
        << "a read cannot wait: it fails as before";
    EXPECT_EQ(outbox.pending(), 1);
    EXPECT_EQ(outbox.send(connection), 0) << "still away: nothing sent, nothing lost";
    EXPECT_EQ(outbox.pending(), 1);

    ASSERT_TRUE(PgTestServer::shared().start());
    EXPECT_EQ(outbox.send(connection), 1);
    EXPECT_EQ(outbox.pending(), 0);
    EXPECT_EQ(rowsOf(QStringLiteral("Во время")), 1);
    EXPECT_EQ(outbox.send(connection), 0);
    EXPECT_EQ(rowsOf(QStringLiteral("Во время")), 1);
    EXPECT_EQ(rowsOf(QStringLiteral("До")), 1);
}

// The server took the result but the answer was lost on the way back, so this computer
// still holds it: sending again must not add it twice.
TEST_P(OutboxWhileServerAway, ConfirmationLostOnTheWayBackDoesNotRepeatTheResult)
{
    outbox.keep(Statements::insertTimedResult("Дважды", "ИС-1", "50", "s", "f"));
    const QString copy = folder.filePath(QStringLiteral("before-send.sqlite"));
    ASSERT_TRUE(QFile::copy(outbox.file(), copy));
    EXPECT_EQ(outbox.send(connection), 1);
    ASSERT_TRUE(QFile::remove(outbox.file()));
    ASSERT_TRUE(QFile::copy(copy, outbox.file()));
    EXPECT_EQ(outbox.pending(), 1);
    EXPECT_EQ(outbox.send(connection), 0);
    EXPECT_EQ(outbox.pending(), 0) << "the duplicate is dropped";
    EXPECT_EQ(rowsOf(QStringLiteral("Дважды")), 1);
}

TEST_P(OutboxWhileServerAway, RefusedStatementStaysWithoutBlockingTheRest)
{
    outbox.keep(SqlText(QStringLiteral("INSERT INTO no_such_table VALUES (?)"), {1}));
    outbox.keep(Statements::insertTimedResult("После", "ИС-1", "50", "s", "f"));
    EXPECT_EQ(outbox.send(connection), 1);
    EXPECT_EQ(outbox.pending(), 1);
    EXPECT_EQ(rowsOf(QStringLiteral("После")), 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, OutboxWhileServerAway, ::testing::Values(Backend::Server), backendName);

} // namespace
