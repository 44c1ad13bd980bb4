#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVector>

struct sqlite3;

// A program folder of its own with a dbase.sqlite built from the course schema, and a
// plain engine handle of its own to look at the file behind the data layer's back.
class TestDatabase
{
public:
    enum class Content { SchemaOnly, WithSeed };
    explicit TestDatabase(Content content = Content::SchemaOnly);
    ~TestDatabase();

    QString folder() const; // with a trailing separator
    QString file() const;

    // Runs SQL through the separate handle; fails the test on an engine error.
    void exec(const QString& sql);
    // The first column of the first row, or an invalid variant when there is no row.
    QVariant scalar(const QString& sql);
    qint64 count(const QString& table);
    // Every row: integers as qlonglong, NULL as an invalid variant, everything else as text.
    QVector<QVector<QVariant>> rows(const QString& sql);

private:
    QTemporaryDir m_dir;
    sqlite3* m_db = nullptr;
};

// Builds a database file from the given scripts; returns false on failure.
bool buildDatabase(const QString& file, const QStringList& scripts);
