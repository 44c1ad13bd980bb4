#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Connection;

enum class LocateOption {
    CaseInsensitive = 0x1,
    PartialKey = 0x2,
};
Q_DECLARE_FLAGS(LocateOptions, LocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(LocateOptions)

// A data set bound to one whole table: a snapshot read when it opens, walked in the order
// the database returned it. Posts and deletes are written to the file at once; the
// snapshot never sees what other connections write later.
class TableObject
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    // The columns are those the program reads, in this order; opening fails when one is
    // missing. With none given, every column of the table is read.
    TableObject(Connection& connection, const QString& tableName, const QStringList& columns = {});

    // Reads the whole table. An open table object ignores it. Throws DataError with the
    // engine's message (missing table or column, unreadable file).
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    const QString& tableName() const { return m_table; }

    // Moving saves a pending edit or insert first (post()).
    void first();
    void next();
    bool eof() const;
    int recordCount() const;

    // Field names ignore letter case; an unknown name throws DataError.
    QVariant fieldValue(const QString& field) const;
    // NULL cannot be turned into text or a number: throws the conversion DataError.
    QString fieldAsString(const QString& field) const;
    qint64 fieldAsInteger(const QString& field) const;

    // Searches the records in ascending order of the field and makes the first match
    // current. With CaseInsensitive | PartialKey: the field begins with the value, letter
    // case ignored (Cyrillic too); with no options: equals it. No match: returns false and
    // the current record stays.
    bool locate(const QString& field, const QVariant& value, LocateOptions options);

    // Editing. insert() appends a new empty record and makes it current; edit() puts the
    // current record into edit mode; post() writes the change to the file (an edit that
    // changed nothing writes nothing); deleteRecord() deletes the current record at once.
    void insert();
    void edit();
    void setFieldValue(const QString& field, const QVariant& value);
    void post();
    void cancel();
    void deleteRecord();

    // The table holds results: a new record that cannot reach the server waits in the
    // connection's outbox instead of failing.
    void setInsertsMayWait(bool mayWait) { m_mayWait = mayWait; }

private:
    struct Record {
        qint64 rowid = 0;
        QVector<QVariant> values;
    };
    int fieldIndex(const QString& field) const;
    const Record* currentRecord() const;
    void requireOpen() const;
    void saveIfEditing();
    void writeEdit();
    void writeInsert();
    Record readRecord(qint64 rowid) const;
    const QVector<int>& sortedBy(int field);
    void recordsChanged();

    Connection& m_connection;
    QString m_table;
    QStringList m_columns;
    State m_state = State::Inactive;
    QStringList m_fields;
    QVector<Record> m_records;
    int m_current = 0;
    bool m_eof = true;
    bool m_mayWait = false;
    Record m_pending;
    // The second order over the records that locate searches, kept until they change.
    int m_sortField = -1;
    QVector<int> m_sortOrder;
    QVector<QString> m_foldedTexts;
};
