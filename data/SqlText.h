#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include "data/SqlDialect.h"

// One statement of the program and the values it binds. The text is in the program's own
// words for the file engine, with "?" markers bound in order from values and ":name"
// markers bound from named; where the server needs other words, server holds them (same
// markers). Values never become part of the text.
struct SqlText {
    SqlText() = default;
    // A statement that binds nothing, or only named values set later.
    SqlText(const QString& sql) // NOLINT: implicit on purpose, a plain text is a statement too
        : text(sql)
    {
    }
    SqlText(const QString& sql, const QVector<QVariant>& bound, const QString& serverSql = QString())
        : text(sql)
        , values(bound)
        , server(serverSql)
    {
    }

    const QString& textFor(SqlDialect dialect) const
    {
        return dialect == SqlDialect::Server && !server.isEmpty() ? server : text;
    }

    QString text;
    QVector<QVariant> values;
    QString server;
    QHash<QString, QVariant> named;
    // A result or an answer: when the server cannot be reached it waits in the outbox.
    bool mayWait = false;
};
