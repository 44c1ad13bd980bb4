#include "data/CourseData.h"

#include <QDir>

CourseData::CourseData()
    : ADOQuery1(ADOConnection1)
    , tblTemi(ADOConnection2, QStringLiteral("temi"))
    , tblTest(ADOConnection2, QStringLiteral("test"))
    , tblTesting(ADOConnection2, QStringLiteral("testing"))
    , tblResult(ADOConnection2, QStringLiteral("result"))
    , tblPrakt(ADOConnection2, QStringLiteral("prakt"))
    , tblLab(ADOConnection2, QStringLiteral("lab"))
{
}

QString CourseData::databaseFile(const QString& programFolder)
{
    return QDir(programFolder).absoluteFilePath(QStringLiteral("dbase.sqlite"));
}

// Both connections take the file from the program folder, whatever the current directory.
void CourseData::openTables(const QString& programFolder)
{
    ADOConnection2.setDatabasePath(databaseFile(programFolder));
    ADOConnection2.open();
    for (TableObject* table : {&tblTemi, &tblTest, &tblTesting, &tblResult, &tblPrakt, &tblLab})
        table->open();
}

void CourseData::openStatementConnection(const QString& programFolder)
{
    ADOConnection1.setDatabasePath(databaseFile(programFolder));
    ADOConnection1.open();
}
