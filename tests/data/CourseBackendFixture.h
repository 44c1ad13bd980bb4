#pragma once

#include "common/PgTestServer.h"
#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "data/ServerSetup.h"

#include <gtest/gtest.h>

#include <QTextStream>

// One run of the program's server set-up, with what it printed.
struct SetupRun {
    ServerSetup::ExitCode code;
    QString out;
    QString err;
};

inline SetupRun runSetup(const QString& connection, const QString& file)
{
    SetupRun run{};
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = ServerSetup::run(connection, file, out, err);
    return run;
}

// The same course, seeded from the sample course, in the file or on the private server
// (set up by the program's own set-up from that file). Each test gets a fresh one.
enum class Backend { File, Server };

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::File ? "File" : "Server";
}

class CourseBackendFixture : public ::testing::TestWithParam<Backend>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Backend::File) {
            connection.setDatabasePath(file.file());
            return;
        }
        VESTRON_REQUIRE_PG_SERVER();
        database = PgTestServer::shared().createDatabase();
        ASSERT_FALSE(database.isEmpty());
        const SetupRun setup = runSetup(PgTestServer::shared().connection(database), file.file());
        ASSERT_EQ(setup.code, ServerSetup::Done) << setup.err.toStdString();
        connection.setServer(PgTestServer::shared().connection(database));
    }

    // The first column of the first row, through the data layer.
    QVariant scalar(const SqlText& sql) { return connection.execute(sql).rows.value(0).value(0); }

    TestDatabase file{TestDatabase::Content::WithSeed};
    QString database;
    Connection connection;
};
