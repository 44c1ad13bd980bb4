#pragma once

class Connection;

// "Резервная копия…" and "Восстановить…": the whole course database to and from a file
// the teacher chooses. Restoring checks the file and asks before anything is replaced.
namespace BackupCommands {

void backUp(Connection& connection);
// True when the database was replaced.
bool restore(Connection& connection);

} // namespace BackupCommands
