#include "common/TestDatabase.h"

#include "data/CourseData.h"
#include "data/DataError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Runs a test body with another folder as the current directory.
class CurrentDirectory
{
public:
    explicit CurrentDirectory(const QString& path)
        : m_saved(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~CurrentDirectory() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

TEST(CourseDataTest, DatabaseFileIsInTheProgramFolder)
{
    EXPECT_EQ(CourseData::databaseFile(QStringLiteral("/opt/vestron/")), QStringLiteral("/opt/vestron/dbase.sqlite"));
    EXPECT_EQ(CourseData::databaseFile(QStringLiteral("/opt/vestron")), QStringLiteral("/opt/vestron/dbase.sqlite"));
}

TEST(CourseDataTest, BothConnectionsUseTheProgramFolderWhateverTheCurrentDirectory)
{
    TestDatabase program(TestDatabase::Content::WithSeed);
    QTemporaryDir elsewhereEmpty;
    QTemporaryDir elsewhereWithDatabase;
    {
        // A database of its own in the current directory, with other topics in it.
        TestDatabase decoy;
        decoy.exec("INSERT INTO temi (nom, name) VALUES (1, 'Чужая тема')");
        QFile::copy(decoy.file(), elsewhereWithDatabase.filePath(QStringLiteral("dbase.sqlite")));
    }
    const struct {
        const char* name;
        QString current;
    } rows[] = {
        {"current directory without a database", elsewhereEmpty.path()},
        {"current directory with a database of its own", elsewhereWithDatabase.path()},
        {"current directory is the program folder", program.folder()},
    };
    for (const auto& row : rows) {
        CurrentDirectory current(row.current);
        CourseData data;
        ASSERT_NO_THROW(data.openTables(program.folder())) << row.name;
        ASSERT_NO_THROW(data.openStatementConnection(program.folder())) << row.name;
        EXPECT_EQ(data.ADOConnection2.databasePath(), program.file()) << row.name;
        EXPECT_EQ(data.ADOConnection1.databasePath(), program.file()) << row.name;
        EXPECT_EQ(data.tblTemi.recordCount(), program.count(QStringLiteral("temi"))) << row.name;
        EXPECT_EQ(data.tblTemi.fieldAsString("name"),
                  program.scalar(QStringLiteral("SELECT name FROM temi ORDER BY rowid LIMIT 1")).toString())
            << row.name;
        data.ADOQuery1.setSql(QStringLiteral("select count(*) as n from temi where name='Чужая тема'"));
        data.ADOQuery1.open();
        EXPECT_EQ(data.ADOQuery1.fieldAsInteger("n"), 0) << row.name;
    }
    EXPECT_FALSE(QFile::exists(QDir(elsewhereEmpty.path()).filePath(QStringLiteral("dbase.sqlite"))));
}

TEST(CourseDataTest, OpensTheSixTablesInOrderAndStopsAtTheFirstFailure)
{
    TestDatabase db(TestDatabase::Content::WithSeed);
    {
        CourseData data;
        data.openTables(db.folder());
        for (const TableObject* table : {&data.tblTemi, &data.tblTest, &data.tblTesting, &data.tblResult,
                                         &data.tblPrakt, &data.tblLab})
            EXPECT_TRUE(table->isOpen()) << table->tableName().toStdString();
        EXPECT_EQ(data.tblTest.recordCount(), db.count(QStringLiteral("test")));
        EXPECT_EQ(data.tblPrakt.recordCount(), db.count(QStringLiteral("prakt")));
        EXPECT_EQ(data.tblLab.recordCount(), db.count(QStringLiteral("lab")));
        EXPECT_GT(data.tblTest.recordCount(), 0);
        EXPECT_FALSE(data.ADOConnection1.isOpen()) << "the statement connection opens on its own";
    }
    db.exec("DROP TABLE testing");
    CourseData data;
    try {
        data.openTables(db.folder());
        FAIL() << "opened without the testing table";
    } catch (const DataError& error) {
        EXPECT_TRUE((error.message() + error.details()).contains(QStringLiteral("no such table: testing"))) << error.what();
    }
    EXPECT_TRUE(data.tblTemi.isOpen());
    EXPECT_TRUE(data.tblTest.isOpen());
    EXPECT_FALSE(data.tblTesting.isOpen());
    EXPECT_FALSE(data.tblResult.isOpen());
}

TEST(CourseDataTest, AMissingColumnThatTheProgramReadsStopsTheOpening)
{
    const struct {
        const char* table;
        const char* column;
    } rows[] = {
        {"temi", "file_pr"}, {"temi", "check"}, {"test", "otv"}, {"testing", "nom1"},
        {"result", "ocenka"}, {"prakt", "file_name"}, {"lab", "name"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.column);
        TestDatabase db;
        db.exec(QStringLiteral("ALTER TABLE %1 DROP COLUMN \"%2\"").arg(row.table, row.column));
        CourseData data;
        try {
            data.openTables(db.folder());
            ADD_FAILURE() << "opened " << row.table << " without " << row.column;
        } catch (const DataError& error) {
            EXPECT_TRUE((error.message() + error.details()).contains(QStringLiteral("no such column: ") + row.column)) << error.what();
        }
    }
}

TEST(CourseDataTest, MissingDatabaseStopsBothOpenings)
{
    QTemporaryDir empty;
    CourseData data;
    EXPECT_THROW(data.openTables(empty.path() + u'/'), DataError);
    EXPECT_THROW(data.openStatementConnection(empty.path() + u'/'), DataError);
    // A later statement tries the same file again.
    data.ADOQuery1.setSql(QStringLiteral("select 1"));
    EXPECT_THROW(data.ADOQuery1.open(), DataError);
    EXPECT_FALSE(QFile::exists(empty.filePath(QStringLiteral("dbase.sqlite"))));
}

} // namespace
