#include "data/TableObject.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/FieldValue.h"
#include "data/Statements.h"

#include <algorithm>

namespace {

bool isNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double
        || value.typeId() == QMetaType::Int;
}

// NULLs first, then numbers, then texts, as the engine itself orders them.
int category(const QVariant& value)
{
    if (value.isNull())
        return 0;
    return isNumber(value) ? 1 : 2;
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    return a.typeId() == b.typeId() && a == b;
}

// What locate compares a field with, worked out once per search.
struct LocateKey {
    QVariant value;
    QString text;
    double number = 0;
    bool isNumber = false;
    bool ignoreCase = false;
    bool partial = false;
};

LocateKey makeKey(const QVariant& value, LocateOptions options)
{
    LocateKey key;
    key.value = value;
    key.ignoreCase = options.testFlag(LocateOption::CaseInsensitive);
    key.partial = options.testFlag(LocateOption::PartialKey);
    key.text = key.ignoreCase ? value.toString().toCaseFolded() : value.toString();
    key.number = value.toString().toDouble(&key.isNumber);
    return key;
}

bool matches(const QVariant& field, const QString& foldedField, const LocateKey& key)
{
    if (key.value.isNull())
        return field.isNull();
    if (field.isNull())
        return false;
    if (!key.partial && !key.ignoreCase && isNumber(field))
        return key.isNumber && field.toDouble() == key.number;
    if (key.ignoreCase)
        return key.partial ? foldedField.startsWith(key.text) : foldedField == key.text;
    const QString text = field.toString();
    return key.partial ? text.startsWith(key.text) : text == key.text;
}

} // namespace

TableObject::TableObject(Connection& connection, const QString& tableName, const QStringList& columns)
    : m_connection(connection)
    , m_table(tableName)
    , m_columns(columns)
{
}

void TableObject::open()
{
    if (isOpen())
        return;
    SqlRows read = m_connection.execute(Statements::selectTableRecords(m_table, m_columns));
    QStringList fields = read.columns;
    fields.removeFirst();
    QVector<Record> records;
    records.reserve(read.rows.size());
    for (QVector<QVariant>& row : read.rows) {
        Record record;
        record.rowid = row.takeFirst().toLongLong();
        record.values = std::move(row);
        records.append(std::move(record));
    }
    m_fields = std::move(fields);
    m_records = std::move(records);
    m_state = State::Browse;
    m_current = 0;
    m_eof = m_records.isEmpty();
    recordsChanged();
}

void TableObject::close()
{
    m_state = State::Inactive;
    m_fields.clear();
    m_records.clear();
    m_pending = Record();
    m_current = 0;
    m_eof = true;
    recordsChanged();
}

void TableObject::requireOpen() const
{
    if (!isOpen())
        throw DataError(QStringLiteral("Таблица \"%1\" не открыта").arg(m_table));
}

void TableObject::saveIfEditing()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void TableObject::first()
{
    requireOpen();
    saveIfEditing();
    m_current = 0;
    m_eof = m_records.isEmpty();
}

// Moving past the last record sets eof and stays on that record.
void TableObject::next()
{
    requireOpen();
    saveIfEditing();
    if (m_current + 1 < m_records.size())
        ++m_current;
    else
        m_eof = true;
}

bool TableObject::eof() const
{
    if (m_state == State::Insert)
        return false;
    return m_eof;
}

int TableObject::recordCount() const
{
    return int(m_records.size());
}

int TableObject::fieldIndex(const QString& field) const
{
    requireOpen();
    const int index = FieldValue::indexOf(m_fields, field);
    if (index < 0)
        FieldValue::throwUnknownField(field);
    return index;
}

const TableObject::Record* TableObject::currentRecord() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return &m_pending;
    if (m_records.isEmpty())
        return nullptr;
    return &m_records.at(m_current);
}

QVariant TableObject::fieldValue(const QString& field) const
{
    const int index = fieldIndex(field);
    const Record* record = currentRecord();
    return record ? record->values.at(index) : QVariant();
}

QString TableObject::fieldAsString(const QString& field) const
{
    return FieldValue::toText(field, fieldValue(field));
}

qint64 TableObject::fieldAsInteger(const QString& field) const
{
    return FieldValue::toInteger(field, fieldValue(field));
}

const QVector<int>& TableObject::sortedBy(int field)
{
    if (m_sortField == field)
        return m_sortOrder;
    m_foldedTexts.resize(m_records.size());
    m_sortOrder.resize(m_records.size());
    for (int i = 0; i < m_records.size(); ++i) {
        const QVariant& value = m_records.at(i).values.at(field);
        m_foldedTexts[i] = value.isNull() ? QString() : value.toString().toCaseFolded();
        m_sortOrder[i] = i;
    }
    std::stable_sort(m_sortOrder.begin(), m_sortOrder.end(), [&](int a, int b) {
        const QVariant& x = m_records.at(a).values.at(field);
        const QVariant& y = m_records.at(b).values.at(field);
        const int cx = category(x);
        const int cy = category(y);
        if (cx != cy)
            return cx < cy;
        if (cx == 1)
            return x.toDouble() < y.toDouble();
        if (cx == 0)
            return false;
        const int folded = m_foldedTexts.at(a).compare(m_foldedTexts.at(b));
        if (folded != 0)
            return folded < 0;
        return x.toString() < y.toString();
    });
    m_sortField = field;
    return m_sortOrder;
}

void TableObject::recordsChanged()
{
    m_sortField = -1;
    m_sortOrder.clear();
    m_foldedTexts.clear();
}

bool TableObject::locate(const QString& field, const QVariant& value, LocateOptions options)
{
    const int index = fieldIndex(field);
    saveIfEditing();
    const LocateKey key = makeKey(value, options);
    for (const int row : sortedBy(index)) {
        if (matches(m_records.at(row).values.at(index), m_foldedTexts.at(row), key)) {
            m_current = row;
            m_eof = false;
            return true;
        }
    }
    return false;
}

void TableObject::insert()
{
    requireOpen();
    saveIfEditing();
    m_pending = Record();
    m_pending.values.resize(m_fields.size());
    m_state = State::Insert;
}

// As a desktop data set does, editing an empty table starts a new record.
void TableObject::edit()
{
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_records.isEmpty()) {
        insert();
        return;
    }
    m_pending = m_records.at(m_current);
    m_state = State::Edit;
}

void TableObject::setFieldValue(const QString& field, const QVariant& value)
{
    const int index = fieldIndex(field);
    if (m_state != State::Edit && m_state != State::Insert)
        throw DataError(QStringLiteral("Таблица \"%1\" не в режиме правки: поле \"%2\" изменить нельзя")
                            .arg(m_table, field));
    m_pending.values[index] = value;
}

void TableObject::post()
{
    requireOpen();
    if (m_state == State::Insert)
        writeInsert();
    else if (m_state == State::Edit)
        writeEdit();
    else
        return;
    m_state = State::Browse;
    m_pending = Record();
}

void TableObject::cancel()
{
    if (m_state == State::Edit || m_state == State::Insert)
        m_state = State::Browse;
    m_pending = Record();
}

TableObject::Record TableObject::readRecord(qint64 rowid) const
{
    SqlRows read = m_connection.execute({Statements::selectTableRecord(m_table, m_columns), {rowid}});
    if (read.rows.isEmpty())
        throw DataError(QStringLiteral("Запись таблицы \"%1\" не найдена: её удалили после открытия таблицы")
                            .arg(m_table));
    Record record;
    record.rowid = rowid;
    record.values = read.rows.first().mid(1);
    return record;
}

void TableObject::writeEdit()
{
    Record& stored = m_records[m_current];
    QStringList changed;
    QVector<QVariant> values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (!sameValue(stored.values.at(i), m_pending.values.at(i))) {
            changed.append(m_fields.at(i));
            values.append(m_pending.values.at(i));
        }
    }
    if (changed.isEmpty())
        return;
    values.append(stored.rowid);
    if (m_connection.execute({Statements::updateTableRecord(m_table, changed), values}).changed == 0) {
        // Another program deleted it: the change can never be written, so it is dropped
        // and the table goes on instead of failing at every later move.
        cancel();
        throw DataError(QStringLiteral("Запись таблицы \"%1\" не найдена: её удалили после открытия таблицы")
                            .arg(m_table));
    }
    // Read back what the file holds now (column affinity may have converted the values).
    stored = readRecord(stored.rowid);
    recordsChanged();
}

void TableObject::writeInsert()
{
    QStringList columns;
    QVector<QVariant> values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (!m_pending.values.at(i).isNull()) {
            columns.append(m_fields.at(i));
            values.append(m_pending.values.at(i));
        }
    }
    SqlText sql(Statements::insertTableRecord(m_table, columns, m_columns), values);
    sql.mayWait = m_mayWait;
    const SqlRows inserted = m_connection.execute(sql);
    // A result kept in the outbox has no row on the server yet: the snapshot holds it as given.
    if (inserted.deferred) {
        m_records.append(m_pending);
    } else if (m_connection.isServer() && !m_columns.isEmpty()) {
        // The server's row rules ran before its answer: one round trip, not two.
        const QVector<QVariant> row = inserted.rows.value(0);
        m_records.append({row.value(0).toLongLong(), row.mid(1)});
    } else {
        // The file's triggers run after the row is returned (a topic's number): read it back.
        m_records.append(readRecord(inserted.rows.value(0).value(0).toLongLong()));
    }
    m_current = int(m_records.size()) - 1;
    m_eof = false;
    recordsChanged();
}

void TableObject::deleteRecord()
{
    requireOpen();
    if (m_state == State::Insert || m_state == State::Edit) {
        const bool inserting = m_state == State::Insert;
        cancel();
        if (inserting)
            return;
    }
    if (m_records.isEmpty())
        throw DataError(QStringLiteral("Таблица \"%1\" пуста: удалять нечего").arg(m_table));
    m_connection.execute({Statements::deleteTableRecord(m_table), {m_records.at(m_current).rowid}});
    m_records.removeAt(m_current);
    if (m_current >= m_records.size())
        m_current = std::max(0, int(m_records.size()) - 1);
    m_eof = m_records.isEmpty();
    recordsChanged();
}
