#pragma once

#include "data/Connection.h"
#include "data/Query.h"
#include "data/TableObject.h"

#include <QString>

#include <functional>

class Outbox;

// Every data-access object of the program, owned by the timed-test window TForm1:
// the statement connection with the shared query, and the table connection with the six
// table objects. Both connections open dbase.sqlite of the program folder, or both the
// same server when useServer() names one.
class CourseData
{
public:
    CourseData();

    // The table connection and the six table objects, in this order: tblTemi, tblTest,
    // tblTesting, tblResult, tblPrakt, tblLab. Throws DataError, also for a missing column
    // that the program reads; start-up ends on it.
    void openTables(const QString& programFolder);
    // The statement connection. Throws DataError; the error is reported and start-up goes on.
    void openStatementConnection(const QString& programFolder);

    static QString databaseFile(const QString& programFolder);

    // Both connections to the server (a libpq connection string), or back to the file when
    // it is empty. Closes what is open.
    void useServer(const QString& connectionString);
    bool usesServer() const { return ADOConnection2.isServer(); }
    // Results and answers that cannot reach the server wait in this outbox; the notice runs
    // when one is kept.
    void setOutbox(Outbox* outbox, const std::function<void()>& notice);

    Connection ADOConnection1;
    Query ADOQuery1;
    Connection ADOConnection2;
    TableObject tblTemi;
    TableObject tblTest;
    TableObject tblTesting;
    TableObject tblResult;
    TableObject tblPrakt;
    TableObject tblLab;
};
