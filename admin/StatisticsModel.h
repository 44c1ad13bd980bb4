#pragma once

#include "admin/QuestionStatistics.h"

#include <QAbstractTableModel>
#include <QHash>

class Connection;

// The statistics grid: one row per question that has answers, with the number answered,
// the share right, the discrimination index, how often each letter was chosen, and why
// the question should be looked at again (such rows are tinted). Read-only.
class StatisticsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Number, Answered, Facility, Discrimination, LetterA, LetterE = LetterA + 4, Review, ColumnCount };

    explicit StatisticsModel(QObject* parent = nullptr);

    // Reads the answers and the bank afresh. Throws DataError.
    void reload(Connection& connection);
    void setRows(const QVector<QuestionStatistics>& rows, const QHash<qint64, QString>& texts);

    // "Попыток: …, ответов: …, вопросов на проверку: …".
    QString summary() const;
    // The question number shown in the row; 0 outside the rows.
    qint64 questionAt(int row) const;
    int attempts() const { return m_attempts; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const QuestionStatistics& row, int column) const;

    QVector<QuestionStatistics> m_rows;
    QHash<qint64, QString> m_texts;
    int m_attempts = 0;
    int m_answers = 0;
};
