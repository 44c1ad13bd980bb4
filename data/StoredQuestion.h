#pragma once

#include <QString>

// A question of the timed test's bank as the database holds it: its number, its whole
// text (options included) and the key letter from table keys (empty when it has none).
struct StoredQuestion {
    qint64 id = 0;
    QString text;
    QString key;
};
