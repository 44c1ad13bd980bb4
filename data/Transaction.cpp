#include "data/Transaction.h"

#include "data/Connection.h"
#include "data/DatabaseEngine.h"

Transaction::Transaction(Connection& connection)
    : m_engine(connection.engine())
{
    m_engine.begin();
    m_open = true;
}

Transaction::Transaction(DatabaseEngine& engine)
    : m_engine(engine)
{
    m_engine.begin();
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open)
        m_engine.rollback();
}

void Transaction::commit()
{
    m_engine.commit();
    m_open = false;
}
