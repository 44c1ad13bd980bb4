#pragma once

#include <QString>

class Connection;

// What the login behind a connection may do. On the file everyone is the teacher (the
// settings password guards the window); on the server only a login that may change the
// test's parameters (vestron_teacher, or the course's owner) may open the settings.
namespace ServerRoles {

// Opens a closed connection; throws DataError.
bool mayTeach(Connection& connection);

// What a student's login is told instead of the password prompt.
QString studentRefusal();

} // namespace ServerRoles
