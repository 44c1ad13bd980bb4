#pragma once

#include "data/SqlText.h"

#include <QString>

class Connection;

// Results and answers that could not reach the server, kept in a small SQLite file on this
// computer until the server answers again. Each kept statement carries an id of its own;
// the server notes every id it has taken (table outbox_delivered) in the same transaction
// as the statement, so a statement whose confirmation was lost on the way back is never
// run twice. Throws DataError when the file cannot be written.
class Outbox
{
public:
    explicit Outbox(const QString& file);

    // The file in the user's data folder (~/.local/share/Vestron/vestron/outbox.sqlite).
    static QString defaultFile();

    const QString& file() const { return m_file; }
    void keep(const SqlText& sql);
    int pending() const;

    // Sends what waits, oldest first; returns how many were delivered now. Stops quietly
    // at the first statement the server does not answer (they wait for the next round);
    // a statement the server refuses stays kept and the rest go on.
    int send(Connection& server);

private:
    struct Kept {
        qint64 rowid = 0;
        QString id;
        SqlText sql;
    };
    QVector<Kept> readAll() const;
    bool deliver(Connection& server, const Kept& kept);
    void forget(qint64 rowid);

    QString m_file;
};
