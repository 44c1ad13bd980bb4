#include "admin/StatisticsModel.h"

#include "data/QuestionBankStore.h"

#include <QBrush>
#include <QColor>

StatisticsModel::StatisticsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void StatisticsModel::reload(Connection& connection)
{
    QHash<qint64, QString> texts;
    for (const StoredQuestion& question : QuestionBankStore::readAll(connection))
        texts.insert(question.id, question.text);
    // A deleted question's answers no longer count, neither for it nor for the attempts' scores.
    QVector<AnswerLog::Answer> answers = AnswerLog::readAll(connection);
    answers.removeIf([&texts](const AnswerLog::Answer& answer) { return !texts.contains(answer.questionId); });
    m_attempts = QuestionStatistics::countAttempts(answers);
    m_answers = int(answers.size());
    setRows(QuestionStatistics::compute(answers), texts);
}

void StatisticsModel::setRows(const QVector<QuestionStatistics>& rows, const QHash<qint64, QString>& texts)
{
    beginResetModel();
    m_rows = rows;
    m_texts = texts;
    endResetModel();
}

QString StatisticsModel::summary() const
{
    if (m_answers == 0)
        return QStringLiteral("Ответов пока нет: статистика появится после первых попыток контрольного теста.");
    int review = 0;
    for (const QuestionStatistics& row : m_rows)
        review += row.reviewReasons.isEmpty() ? 0 : 1;
    return QStringLiteral("Попыток: %1, ответов: %2, вопросов: %3, из них стоит проверить: %4.")
        .arg(m_attempts)
        .arg(m_answers)
        .arg(m_rows.size())
        .arg(review);
}

qint64 StatisticsModel::questionAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : 0;
}

int StatisticsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StatisticsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString StatisticsModel::text(const QuestionStatistics& row, int column) const
{
    switch (column) {
    case Number: return QString::number(row.id);
    case Answered: return QString::number(row.answered);
    case Facility: return QString::number(qRound(row.facility * 100)) + QStringLiteral(" %");
    case Discrimination:
        return row.discrimination ? QString::number(*row.discrimination, 'f', 2).replace(u'.', u',') : QStringLiteral("—");
    case Review: return row.reviewReasons.join(QStringLiteral("; "));
    default: return QString::number(row.letters.at(size_t(column - LetterA)));
    }
}

QVariant StatisticsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const QuestionStatistics& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        if (index.column() == Review)
            return row.reviewReasons.join(QStringLiteral("; "));
        return m_texts.value(row.id, QStringLiteral("Вопроса с этим номером в банке нет"));
    case Qt::BackgroundRole:
        if (!row.reviewReasons.isEmpty())
            return QBrush(QColor(0xFF, 0xD8, 0xD8));
        return QVariant();
    case Qt::TextAlignmentRole:
        return int(index.column() == Review ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {QStringLiteral("№"), QStringLiteral("Ответов"), QStringLiteral("Верно"),
                                       QStringLiteral("Дискрим."), QStringLiteral("A"), QStringLiteral("B"),
                                       QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                                       QStringLiteral("Проверить")};
    return titles.value(section);
}
