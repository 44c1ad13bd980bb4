#pragma once

#include <QString>

class CourseData;
class QObject;

// Opens the course where the settings put it (see DatabaseChoice). On a server: results
// that cannot reach it wait in the user's outbox, which is sent now and every minute; a
// server that does not answer at start is said so, with the offer to work with the file of
// the program folder instead. On the file: a file on a network share is warned about.
// Throws DataError as CourseData::openTables does (and when the offer is declined).
namespace DatabaseStartup {

void open(CourseData& data, const QString& programFolder, QObject* owner);

// The texts the student and the teacher see.
QString deferredNotice();
QString unreachableOffer(const QString& reason);
QString networkShareWarning(const QString& file, const QString& kind);

} // namespace DatabaseStartup
