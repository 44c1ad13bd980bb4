#pragma once

#include "data/Connection.h"
#include "data/Query.h"
#include "data/TableObject.h"

#include <QString>

// Every data-access object of the program, owned by the timed-test window TForm1:
// the statement connection with the shared query, and the table connection with the six
// table objects. Both connections open dbase.sqlite of the program folder.
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
