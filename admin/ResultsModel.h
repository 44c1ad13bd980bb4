#pragma once

#include <QAbstractTableModel>

class Query;

// The results grid's view of the shared query: whatever the query holds now, with the
// column titles its statement gives, read-only. Every change of the query resets it.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ResultsModel(Query& query, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void queryChanged();

    Query& m_query;
};
