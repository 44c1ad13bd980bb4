#pragma once

struct sqlite3;

// A write transaction on an open connection: begun at construction (taking the write lock
// at once, so a busy database fails here rather than halfway), rolled back by the
// destructor unless commit() ran. Throws DataError.
class Transaction
{
public:
    explicit Transaction(sqlite3* db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    sqlite3* m_db;
    bool m_open = false;
};
