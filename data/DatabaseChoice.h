#pragma once

#include <QString>

// Where the course lives: the environment variable VESTRON_DATABASE, else the key
// "connection" of the group [database] in the program's settings (the user's file, then the
// system-wide one Qt also reads, so a lab sets it once per machine image). The value is a
// PostgreSQL connection string; empty or absent means the dbase.sqlite of the program
// folder. Never throws.
namespace DatabaseChoice {

QString connectionString();

// The settings key, for messages and the README.
inline constexpr const char* kSettingsKey = "database/connection";

} // namespace DatabaseChoice
