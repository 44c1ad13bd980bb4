#include "data/SqlMarkers.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlMarkers, TurnsTheProgramsWordsIntoEachEngines)
{
    const struct {
        const char* name;
        const char* sql;
        const char* file;
        const char* server;
        QStringList markers;
    } rows[] = {
        {"positional", "UPDATE temi SET [check] = ? WHERE name = ?", "UPDATE temi SET [check] = ? WHERE name = ?",
         "UPDATE temi SET \"check\" = $1 WHERE name = $2", {"", ""}},
        {"named, repeated", "SELECT :id, :letter, :id", "SELECT ?, ?, ?", "SELECT $1, $2, $3", {":id", ":letter", ":id"}},
        {"cast is not a marker", "SELECT :letter::text", "SELECT ?::text", "SELECT $1::text", {":letter"}},
        {"markers inside literals are text", "SELECT '?', ':par', \"a?b\" FROM t WHERE x = ?",
         "SELECT '?', ':par', \"a?b\" FROM t WHERE x = ?", "SELECT '?', ':par', \"a?b\" FROM t WHERE x = $1", {""}},
        {"doubled quote stays inside", "SELECT 'it''s ?' , ?", "SELECT 'it''s ?' , ?", "SELECT 'it''s ?' , $1", {""}},
        {"Jet delete", "DELETE * FROM keys WHERE id = ?", "DELETE FROM keys WHERE id = ?", "DELETE FROM keys WHERE id = $1",
         {""}},
        {"Jet delete inside a literal is data", "DELETE FROM t WHERE n = 'delete * from x'",
         "DELETE FROM t WHERE n = 'delete * from x'", "DELETE FROM t WHERE n = 'delete * from x'", {}},
        {"grave accents", "SELECT `a``b`, `check` FROM `temi`", "SELECT `a``b`, `check` FROM `temi`",
         "SELECT \"a`b\", \"check\" FROM \"temi\"", {}},
        {"double quote inside a bracket name", "SELECT [a\"b]", "SELECT [a\"b]", "SELECT \"a\"\"b\"", {}},
        {"assignment in a function body", "BEGIN x := 1; END", "BEGIN x := 1; END", "BEGIN x := 1; END", {}},
        {"unclosed literal does not run past the end", "SELECT 'abc", "SELECT 'abc", "SELECT 'abc", {}},
        {"ten markers number past nine", "? ? ? ? ? ? ? ? ? ?", "? ? ? ? ? ? ? ? ? ?", "$1 $2 $3 $4 $5 $6 $7 $8 $9 $10",
         QStringList(10, QString())},
    };
    for (const auto& row : rows) {
        const auto file = SqlMarkers::translate(QString::fromUtf8(row.sql), SqlDialect::File);
        const auto server = SqlMarkers::translate(QString::fromUtf8(row.sql), SqlDialect::Server);
        EXPECT_EQ(file.text, QString::fromUtf8(row.file)) << row.name;
        EXPECT_EQ(server.text, QString::fromUtf8(row.server)) << row.name;
        EXPECT_EQ(file.markers, row.markers) << row.name;
        EXPECT_EQ(server.markers, row.markers) << row.name;
    }
}

} // namespace
