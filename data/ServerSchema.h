#pragma once

#include <QStringList>

// The course's tables on the server, the two group roles and what each may do. The tables
// and columns are those of the course file; each table also has a rowid (the file engine
// has one of its own), and the tables a student writes to carry the writer's login (owner)
// and attempt, which the row rules compare with the session's.
namespace ServerSchema {

// Statements run in order, in one transaction, by the set-up on an empty database.
const QStringList& createCourse();

// The course tables as the file holds them, copied by the set-up (columns without the
// server's own rowid, owner and attempt).
struct CopiedTable {
    QString name;
    QStringList columns;
};
const QVector<CopiedTable>& copiedTables();

// A row when the database already holds a course.
QString courseExists();

// One row, one column: true when this login may change what the settings window changes.
QString mayTeach();

inline constexpr const char* kTeacherRole = "vestron_teacher";
inline constexpr const char* kStudentRole = "vestron_student";

} // namespace ServerSchema
