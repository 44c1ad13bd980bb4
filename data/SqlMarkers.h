#pragma once

#include "data/SqlDialect.h"

#include <QString>
#include <QStringList>

// Turns a statement in the program's words into the engine's. Outside quoted literals:
// Jet's "DELETE * FROM" becomes "DELETE FROM"; every "?" and ":name" marker becomes the
// engine's positional marker ("?" for the file, "$1", "$2" … for the server); for the
// server, names quoted [like this] or `like this` are quoted "like this". A "::" cast is
// not a marker. Never throws.
namespace SqlMarkers {

struct EngineText {
    QString text;
    // One entry per positional marker, in order: the marker's name (":par") or empty for "?".
    QStringList markers;
};

EngineText translate(const QString& sql, SqlDialect dialect);

} // namespace SqlMarkers
