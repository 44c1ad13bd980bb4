#pragma once

#include <QString>

class QTextStream;

// `vestron --setup-server CONNECTION`: on an empty database, with an administrator's
// login, creates the course tables and the two group roles with their rights, and copies
// the course of the given file into them (topics, works, both banks, parameters, results,
// answers), all in one transaction. Never throws: every failure is told on err.
namespace ServerSetup {

enum ExitCode { Done = 0, Failed = 1, CourseExists = 2 };

ExitCode run(const QString& connectionString, const QString& courseFile, QTextStream& out, QTextStream& err);

} // namespace ServerSetup
