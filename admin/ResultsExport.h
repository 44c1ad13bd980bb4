#pragma once

class Connection;

// Results as spreadsheet files: the timed test's table rezult with the titles of the
// results grid, and the fixed test's table result. Each asks for the file; true when it
// was written.
namespace ResultsExport {

bool exportTimedResults(Connection& connection);
bool exportFixedResults(Connection& connection);

// Whether rezult holds any row.
bool hasTimedResults(Connection& connection);

} // namespace ResultsExport
