#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/TableObject.h"

#include <gtest/gtest.h>

namespace {

const LocateOptions prefix = LocateOption::CaseInsensitive | LocateOption::PartialKey;

class TableObjectTest : public ::testing::Test
{
protected:
    TableObjectTest()
    {
        // Stored out of alphabetical order on purpose: locate must search its own order.
        db.exec(QStringLiteral(
            "INSERT INTO temi (nom, name, file_name, file_pr, \"check\") VALUES"
            " (1, 'Тема 10', 't10.htm', NULL, 0),"
            " (2, 'Введение', 'intro.htm', NULL, 1),"
            " (3, 'Тема 1', 't1.htm', NULL, 0),"
            " (4, NULL, NULL, NULL, 0),"
            " (5, 'вВедение в SQL', 'sql.htm', NULL, 0),"
            " (6, 'O''Neil', 'oneil.htm', NULL, 0);"
            "INSERT INTO testing (nom, nom1, otv) VALUES ('2', 5, NULL), ('20', 7, NULL), ('1', 3, 'A');"));
        connection.setDatabasePath(db.file());
        temi.open();
        testing.open();
    }

    QStringList walk(TableObject& table, const QString& field)
    {
        QStringList values;
        for (table.first(); !table.eof(); table.next())
            values.append(table.fieldValue(field).isNull() ? QStringLiteral("<null>") : table.fieldAsString(field));
        return values;
    }

    TestDatabase db;
    Connection connection;
    TableObject temi{connection, QStringLiteral("temi")};
    TableObject testing{connection, QStringLiteral("testing")};
};

TEST_F(TableObjectTest, WalksInTheOrderTheFileHoldsAndStaysOnTheLast)
{
    EXPECT_EQ(temi.recordCount(), 6);
    EXPECT_EQ(walk(temi, "name"), (QStringList{"Тема 10", "Введение", "Тема 1", "<null>", "вВедение в SQL", "O'Neil"}));
    EXPECT_TRUE(temi.eof());
    EXPECT_EQ(temi.fieldAsString("NAME"), QStringLiteral("O'Neil"));
    temi.next();
    EXPECT_TRUE(temi.eof());
    EXPECT_EQ(temi.fieldAsInteger("nom"), 6);
}

TEST_F(TableObjectTest, LocateSearchesItsOwnSortedOrder)
{
    const struct {
        const char* name;
        const char* value;
        LocateOptions options;
        const char* found; // nullptr: no match, the current record stays
    } rows[] = {
        {"Тема 1 before Тема 10", "Тема 1", prefix, "t1.htm"},
        {"exact Тема 10", "Тема 10", {}, "t10.htm"},
        {"upper-case Cyrillic prefix", "ВВЕД", prefix, "intro.htm"},
        {"lower-case Cyrillic prefix", "введ", prefix, "intro.htm"},
        {"mixed-case Cyrillic prefix", "ВвЕд", prefix, "intro.htm"},
        {"longer prefix picks the longer name", "ВВЕДЕНИЕ В", prefix, "sql.htm"},
        {"quote in the name", "o'n", prefix, "oneil.htm"},
        {"exact is case-sensitive", "введение", {}, nullptr},
        {"exact is not a prefix", "Тема", {}, nullptr},
        {"no match", "Яблоко", prefix, nullptr},
    };
    for (const auto& row : rows) {
        temi.first();
        temi.next(); // somewhere other than the first record
        const bool found = temi.locate("name", QString::fromUtf8(row.value), row.options);
        EXPECT_EQ(found, row.found != nullptr) << row.name;
        const QString expected = row.found ? QString::fromUtf8(row.found) : QStringLiteral("intro.htm");
        EXPECT_EQ(temi.fieldAsString("file_name"), expected) << row.name;
        EXPECT_FALSE(temi.eof()) << row.name;
    }
}

TEST_F(TableObjectTest, LocateSlotNumbersExactly)
{
    const struct {
        const char* name;
        QVariant slot;
        qint64 question;
    } rows[] = {
        {"slot 2 is not slot 20", QStringLiteral("2"), 5},
        {"slot 20", QStringLiteral("20"), 7},
        {"slot given as a number", 1, 3},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(testing.locate("nom", row.slot, {})) << row.name;
        EXPECT_EQ(testing.fieldAsInteger("nom1"), row.question) << row.name;
    }
    TableObject byNumber(connection, QStringLiteral("temi"));
    byNumber.open();
    ASSERT_TRUE(byNumber.locate("nom", 3, {}));
    EXPECT_EQ(byNumber.fieldAsString("name"), QStringLiteral("Тема 1"));
    ASSERT_TRUE(byNumber.locate("nom", QStringLiteral("5"), {}));
    EXPECT_EQ(byNumber.fieldAsString("file_name"), QStringLiteral("sql.htm"));
}

TEST_F(TableObjectTest, LocateSeesWhatWasPostedSinceTheLastLocate)
{
    ASSERT_FALSE(temi.locate("name", QStringLiteral("Новая"), prefix));
    temi.insert();
    temi.setFieldValue("name", QStringLiteral("Новая тема"));
    temi.post();
    temi.first();
    ASSERT_TRUE(temi.locate("name", QStringLiteral("новая"), prefix));
    EXPECT_EQ(temi.fieldAsString("name"), QStringLiteral("Новая тема"));
    EXPECT_EQ(temi.fieldAsInteger("nom"), 7) << "values the file gave the row are read back";
}

TEST_F(TableObjectTest, SnapshotDoesNotSeeRowsAddedThroughTheSharedQuery)
{
    Connection statements;
    statements.setDatabasePath(db.file());
    Query query(statements);
    query.setSql(QStringLiteral("insert into temi (file_name, name) values ('new.htm','Новая')"));
    query.execSql();
    EXPECT_EQ(db.count("temi"), 7);
    EXPECT_EQ(temi.recordCount(), 6);
    EXPECT_FALSE(temi.locate("name", QStringLiteral("Новая"), prefix));
    temi.open(); // an open table object ignores open
    EXPECT_EQ(temi.recordCount(), 6);
}

TEST_F(TableObjectTest, PendingEditIsSavedOnTheNextMove)
{
    ASSERT_TRUE(testing.locate("nom", QStringLiteral("2"), {}));
    testing.edit();
    testing.setFieldValue("otv", QStringLiteral("C"));
    EXPECT_EQ(testing.fieldAsString("otv"), QStringLiteral("C"));
    EXPECT_TRUE(db.scalar("SELECT otv FROM testing WHERE nom='2'").isNull()) << "not written before the move";
    ASSERT_TRUE(testing.locate("nom", QStringLiteral("20"), {}));
    EXPECT_EQ(db.scalar("SELECT otv FROM testing WHERE nom='2'").toString(), QStringLiteral("C"));
    EXPECT_EQ(testing.state(), TableObject::State::Browse);

    // Each way of moving saves.
    for (const auto move : {+[](TableObject& t) { t.next(); }, +[](TableObject& t) { t.first(); }}) {
        testing.first();
        testing.edit();
        testing.setFieldValue("otv", QStringLiteral("E"));
        move(testing);
        EXPECT_EQ(db.scalar("SELECT otv FROM testing WHERE rowid=1").toString(), QStringLiteral("E"));
        db.exec("UPDATE testing SET otv=NULL WHERE rowid=1");
        testing.close();
        testing.open();
    }
}

TEST_F(TableObjectTest, UnchangedEditIsDroppedAndWritesNothing)
{
    // A change made behind the table object's back shows whether the edit wrote the row.
    db.exec("UPDATE testing SET otv='B', nom1=9 WHERE nom='1'");
    ASSERT_TRUE(testing.locate("nom", QStringLiteral("1"), {}));
    testing.edit();
    testing.setFieldValue("otv", QStringLiteral("A")); // the value it already holds
    testing.setFieldValue("nom1", 3);                   // the same number, as another type
    testing.next();
    EXPECT_EQ(db.scalar("SELECT otv FROM testing WHERE nom='1'").toString(), QStringLiteral("B"));
    EXPECT_EQ(db.scalar("SELECT nom1 FROM testing WHERE nom='1'").toInt(), 9);

    testing.first();
    testing.edit();
    testing.cancel();
    EXPECT_EQ(testing.state(), TableObject::State::Browse);
}

TEST_F(TableObjectTest, PostedFieldsAreReadBackAsTheFileStoresThem)
{
    TableObject result(connection, QStringLiteral("result"));
    result.open();
    ASSERT_TRUE(result.eof());
    result.insert();
    result.setFieldValue("fio", QStringLiteral("О'Нил"));
    result.setFieldValue("kol", QStringLiteral("20"));
    result.setFieldValue("ocenka", QStringLiteral("B+"));
    result.post();
    EXPECT_EQ(result.recordCount(), 1);
    EXPECT_EQ(result.fieldValue("kol").typeId(), QMetaType::LongLong);
    EXPECT_EQ(result.fieldAsInteger("kol"), 20);
    EXPECT_EQ(db.scalar("SELECT fio FROM result").toString(), QStringLiteral("О'Нил"));
}

TEST_F(TableObjectTest, InsertCancelAndDelete)
{
    temi.first();
    temi.insert();
    temi.setFieldValue("name", QStringLiteral("Черновик"));
    temi.cancel();
    EXPECT_EQ(temi.fieldAsString("name"), QStringLiteral("Тема 10"));
    EXPECT_EQ(db.count("temi"), 6);

    temi.next();
    temi.deleteRecord();
    EXPECT_EQ(db.count("temi"), 5);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM temi WHERE name='Введение'").toInt(), 0);
    EXPECT_EQ(temi.recordCount(), 5);
    EXPECT_EQ(temi.fieldAsString("name"), QStringLiteral("Тема 1")) << "the next record becomes current";

    for (int i = 0; i < 5; ++i)
        temi.deleteRecord();
    EXPECT_TRUE(temi.eof());
    EXPECT_EQ(db.count("temi"), 0);
    EXPECT_THROW(temi.deleteRecord(), DataError);
}

TEST_F(TableObjectTest, EditingAnEmptyTableStartsANewRecord)
{
    TableObject lab(connection, QStringLiteral("lab"));
    lab.open();
    lab.edit();
    EXPECT_EQ(lab.state(), TableObject::State::Insert);
    lab.setFieldValue("name", QStringLiteral("Лаба"));
    lab.post();
    EXPECT_EQ(db.scalar("SELECT name FROM lab").toString(), QStringLiteral("Лаба"));
}

TEST_F(TableObjectTest, WrongUseThrows)
{
    EXPECT_THROW(temi.setFieldValue("name", QStringLiteral("x")), DataError) << "not in edit mode";
    EXPECT_THROW(temi.fieldValue("nosuch"), DataError);
    EXPECT_THROW(temi.locate("nosuch", 1, {}), DataError);
    temi.first();
    temi.next();
    temi.next();
    temi.next(); // the record with the empty name
    try {
        temi.fieldAsString("name");
        FAIL() << "NULL turned into text";
    } catch (const DataError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Поле \"name\" пусто: значение NULL нельзя преобразовать в текст"));
    }
    EXPECT_THROW(temi.fieldAsInteger("file_pr"), DataError);

    TableObject closed(connection, QStringLiteral("temi"));
    EXPECT_THROW(closed.fieldValue("name"), DataError);
    EXPECT_THROW(closed.next(), DataError);
}

TEST_F(TableObjectTest, EditOfARowDeletedBehindItsBackIsReported)
{
    testing.first();
    testing.edit();
    testing.setFieldValue("otv", QStringLiteral("D"));
    db.exec("DELETE FROM testing WHERE rowid=1");
    EXPECT_THROW(testing.post(), DataError) << "a lost write must not pass for a saved one";
}

TEST(TableObjectErrors, MissingTableOrColumnGivesTheEnginesMessage)
{
    TestDatabase db;
    db.exec("DROP TABLE lab; ALTER TABLE prakt DROP COLUMN file_name");
    Connection connection;
    connection.setDatabasePath(db.file());
    TableObject lab(connection, QStringLiteral("lab"));
    try {
        lab.open();
        FAIL() << "opened a missing table";
    } catch (const DataError& error) {
        EXPECT_TRUE((error.message() + error.details()).contains(QStringLiteral("no such table: lab"))) << error.what();
    }
    EXPECT_FALSE(lab.isOpen());

    TableObject prakt(connection, QStringLiteral("prakt"));
    prakt.open();
    EXPECT_THROW(prakt.fieldValue("file_name"), DataError);

    // A table object that names its columns finds the missing one when it opens.
    TableObject named(connection, QStringLiteral("prakt"), {"name", "file_name"});
    try {
        named.open();
        FAIL() << "opened without a column it reads";
    } catch (const DataError& error) {
        EXPECT_TRUE((error.message() + error.details()).contains(QStringLiteral("no such column: file_name"))) << error.what();
    }
    EXPECT_FALSE(named.isOpen());
}

TEST(TableObjectColumns, NamedColumnsAreReadInTheirOrderAndOthersAreLeftOut)
{
    TestDatabase db;
    db.exec("ALTER TABLE temi ADD COLUMN extra TEXT;"
            "INSERT INTO temi (nom, name, file_name, file_pr, \"check\", extra) VALUES (1, 'Тема', 'a.htm', 'a.pdf', 1, 'x')");
    Connection connection;
    connection.setDatabasePath(db.file());
    TableObject temi(connection, QStringLiteral("temi"), {"check", "name", "file_pr"});
    temi.open();
    EXPECT_EQ(temi.fieldAsInteger("check"), 1);
    EXPECT_EQ(temi.fieldAsString("name"), QStringLiteral("Тема"));
    EXPECT_THROW(temi.fieldValue("extra"), DataError);
    temi.edit();
    temi.setFieldValue("check", 0);
    temi.post(); // reads the record back with the same columns
    EXPECT_EQ(temi.fieldAsInteger("check"), 0);
    EXPECT_EQ(temi.fieldAsString("file_pr"), QStringLiteral("a.pdf"));
    EXPECT_EQ(db.scalar("SELECT \"check\" FROM temi").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT extra FROM temi").toString(), QStringLiteral("x"));
}

} // namespace
