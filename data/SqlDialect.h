#pragma once

// The two engines the course can live in: the file of one PC, or a server for a class.
enum class SqlDialect { File, Server };
