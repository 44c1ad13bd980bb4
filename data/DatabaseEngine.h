#pragma once

#include "data/SqlDialect.h"
#include "data/SqlRows.h"

#include <QString>
#include <QVector>
#include <QVariant>

// What the rest of the data layer asks of a database engine: run one statement in the
// engine's own words with its values bound in order, and group statements in a
// transaction. Every failure throws DataError (ServerUnreachable when the server cannot
// be reached at all).
class DatabaseEngine
{
public:
    virtual ~DatabaseEngine() = default;

    virtual SqlDialect dialect() const = 0;
    // The text's markers are positional ("?" for the file, "$n" for the server).
    virtual SqlRows run(const QString& text, const QVector<QVariant>& values) = 0;
    // A write transaction: the file takes its write lock at once.
    virtual void begin() = 0;
    virtual void commit() = 0;
    // Never throws: called from destructors.
    virtual void rollback() noexcept = 0;
};
