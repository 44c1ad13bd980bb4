#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct sqlite3;

// What the driver reported as written, and the check of a database against it: every
// reported row is there exactly once with every field as reported, and every row of the
// result tables is whole (each field of the shape the program writes).
class ResultRows
{
public:
    // A plain read-only look at the file, outside the program.
    class Database
    {
    public:
        explicit Database(const QString& file);
        ~Database();
        QString integrity();
        QVector<QStringList> rows(const QString& sql);

    private:
        sqlite3* m_db = nullptr;
    };

    // Takes the R, Z and T lines of a run.
    void take(const QStringList& lines);
    qsizetype count() const { return m_fixed.size() + m_timed.size() + m_topics.size(); }

    // Empty when the database holds up; otherwise what is wrong.
    QString problemIn(Database& db) const;

private:
    QVector<QStringList> m_fixed;
    QVector<QStringList> m_timed;
    QStringList m_topics;
};
