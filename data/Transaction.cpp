#include "data/Transaction.h"

#include "data/SqlStatement.h"

#include <sqlite3.h>

Transaction::Transaction(sqlite3* db)
    : m_db(db)
{
    SqlStatement(m_db, QStringLiteral("BEGIN IMMEDIATE")).run();
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    SqlStatement(m_db, QStringLiteral("COMMIT")).run();
    m_open = false;
}
