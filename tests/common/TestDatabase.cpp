#include "common/TestDatabase.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sqlite3.h>

bool buildDatabase(const QString& file, const QStringList& scripts)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(file).constData(), &db) == SQLITE_OK;
    for (const QString& script : scripts) {
        QFile in(script);
        if (!ok || !in.open(QIODevice::ReadOnly)) {
            ok = false;
            break;
        }
        ok = sqlite3_exec(db, in.readAll().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_close(db);
    return ok;
}

TestDatabase::TestDatabase(Content content)
{
    QStringList scripts = {QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql")};
    if (content == Content::WithSeed)
        scripts.append(QStringLiteral(VESTRON_SOURCE_DIR "/course/seed.sql"));
    if (!m_dir.isValid() || !buildDatabase(file(), scripts))
        ADD_FAILURE() << "cannot build the fixture database";
    if (sqlite3_open_v2(QFile::encodeName(file()).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr)
        != SQLITE_OK)
        ADD_FAILURE() << "cannot open the fixture database";
    sqlite3_busy_timeout(m_db, 5000);
}

TestDatabase::~TestDatabase()
{
    sqlite3_close(m_db);
}

QString TestDatabase::folder() const
{
    return m_dir.path() + u'/';
}

QString TestDatabase::file() const
{
    return folder() + QStringLiteral("dbase.sqlite");
}

void TestDatabase::exec(const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << "fixture SQL failed: " << (message ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
}

QVariant TestDatabase::scalar(const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "fixture SQL failed: " << sqlite3_errmsg(m_db);
        return QVariant();
    }
    QVariant result;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        switch (sqlite3_column_type(statement, 0)) {
        case SQLITE_INTEGER:
            result = qlonglong(sqlite3_column_int64(statement, 0));
            break;
        case SQLITE_FLOAT:
            result = sqlite3_column_double(statement, 0);
            break;
        case SQLITE_NULL:
            result = QVariant::fromValue(nullptr);
            break;
        default:
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
    }
    sqlite3_finalize(statement);
    return result;
}

qint64 TestDatabase::count(const QString& table)
{
    return scalar(QStringLiteral("SELECT count(*) FROM ") + table).toLongLong();
}

QVector<QVector<QVariant>> TestDatabase::rows(const QString& sql)
{
    QVector<QVector<QVariant>> result;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "fixture SQL failed: " << sqlite3_errmsg(m_db);
        return result;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QVector<QVariant> row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_INTEGER:
                row.append(qlonglong(sqlite3_column_int64(statement, i)));
                break;
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            default:
                row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
            }
        }
        result.append(row);
    }
    sqlite3_finalize(statement);
    return result;
}
