#pragma once

class Connection;
class DatabaseEngine;

// A write transaction on a connection: begun at construction (the file takes the write
// lock at once, so a busy database fails here rather than halfway), rolled back by the
// destructor unless commit() ran. Opens a closed connection; throws DataError.
class Transaction
{
public:
    explicit Transaction(Connection& connection);
    // On an engine of its own (a file that is not the course, such as the search index).
    explicit Transaction(DatabaseEngine& engine);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    DatabaseEngine& m_engine;
    bool m_open = false;
};
