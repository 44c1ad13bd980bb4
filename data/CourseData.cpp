#include "data/CourseData.h"

#include <QDir>

CourseData::CourseData()
    : ADOQuery1(ADOConnection1)
    , tblTemi(ADOConnection2, QStringLiteral("temi"), {"nom", "name", "file_name", "file_pr", "check"})
    , tblTest(ADOConnection2, QStringLiteral("test"), {"nom", "test", "ot1", "ot2", "ot3", "ot4", "ot5", "otv"})
    , tblTesting(ADOConnection2, QStringLiteral("testing"), {"nom", "nom1", "otv"})
    , tblResult(ADOConnection2, QStringLiteral("result"), {"fio", "data", "kol", "ocenka"})
    , tblPrakt(ADOConnection2, QStringLiteral("prakt"), {"name", "file_name"})
    , tblLab(ADOConnection2, QStringLiteral("lab"), {"name", "file_name"})
{
    ADOConnection1.setCompanion(&ADOConnection2);
    ADOConnection2.setCompanion(&ADOConnection1);
    tblResult.setInsertsMayWait(true);
}

void CourseData::useServer(const QString& connectionString)
{
    for (TableObject* table : {&tblTemi, &tblTest, &tblTesting, &tblResult, &tblPrakt, &tblLab})
        table->close();
    ADOQuery1.close();
    ADOConnection1.setServer(connectionString);
    ADOConnection2.setServer(connectionString);
}

void CourseData::setOutbox(Outbox* outbox, const std::function<void()>& notice)
{
    for (Connection* connection : {&ADOConnection1, &ADOConnection2}) {
        connection->setOutbox(outbox);
        connection->setDeferredNotice(notice);
    }
}

QString CourseData::databaseFile(const QString& programFolder)
{
    return QDir(programFolder).absoluteFilePath(QStringLiteral("dbase.sqlite"));
}

// Both connections take the file from the program folder, whatever the current directory.
void CourseData::openTables(const QString& programFolder)
{
    if (!ADOConnection2.isServer())
        ADOConnection2.setDatabasePath(databaseFile(programFolder));
    ADOConnection2.open();
    for (TableObject* table : {&tblTemi, &tblTest, &tblTesting, &tblResult, &tblPrakt, &tblLab})
        table->open();
}

void CourseData::openStatementConnection(const QString& programFolder)
{
    if (!ADOConnection1.isServer())
        ADOConnection1.setDatabasePath(databaseFile(programFolder));
    ADOConnection1.open();
}
