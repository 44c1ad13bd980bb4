#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

// What one statement gave back: the rows it returned (values as the engine holds them:
// qlonglong, double, QString, QByteArray or a null QVariant) and how many rows it changed.
struct SqlRows {
    QStringList columns;
    QVector<QVector<QVariant>> rows;
    qint64 changed = 0;
    // The statement could not reach the server and waits in the outbox.
    bool deferred = false;
};
