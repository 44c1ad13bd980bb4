#include "admin/ResultsModel.h"

#include "data/Query.h"

ResultsModel::ResultsModel(Query& query, QObject* parent)
    : QAbstractTableModel(parent)
    , m_query(query)
{
    connect(&m_query, &Query::changed, this, &ResultsModel::queryChanged);
}

void ResultsModel::queryChanged()
{
    // The query has already changed; nothing reads the model between these two calls.
    beginResetModel();
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_query.isActive())
        return 0;
    return m_query.recordCount();
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_query.isActive())
        return 0;
    return int(m_query.columnNames().size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()
        || index.column() >= columnCount())
        return QVariant();
    const QVariant value = m_query.value(index.row(), index.column());
    return value.isNull() ? QVariant(QString()) : QVariant(value.toString());
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QVariant();
    if (section < 0 || section >= columnCount())
        return QVariant();
    return m_query.columnNames().at(section);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
