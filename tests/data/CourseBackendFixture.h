#pragma once

#include "common/PgTestServer.h"
#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "data/ServerSetup.h"

#include <gtest/gtest.h>

#include <QTextStream>

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
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        ASSERT_EQ(ServerSetup::run(PgTestServer::shared().connection(database), file.file(), outStream, errStream),
                  ServerSetup::Done)
            << err.toStdString();
        connection.setServer(PgTestServer::shared().connection(database));
    }

    // The first column of the first row, through the data layer.
    QVariant scalar(const SqlText& sql) { return connection.execute(sql).rows.value(0).value(0); }

    TestDatabase file{TestDatabase::Content::WithSeed};
    QString database;
    Connection connection;
};
