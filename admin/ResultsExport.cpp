#include "admin/ResultsExport.h"

#include "admin/CsvFile.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "data/Statements.h"
#include "platform/Dialogs.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ResultsExport {

namespace {

QString cellText(const QVariant& value)
{
    return value.isValid() && !value.isNull() ? value.toString() : QString();
}

// Runs the statement on a query of its own, so the results grid keeps what it shows.
bool exportTable(Connection& connection, const QString& sql, const QString& suggestedName)
{
    const std::optional<QString> path = Dialogs::instance().chooseFileToSave(
        QStringLiteral("Экспорт результатов"), QStringLiteral("Таблица CSV (*.csv)"),
        QDir::home().filePath(suggestedName));
    if (!path)
        return false;
    Query query(connection);
    query.setSql(sql);
    query.open();
    QVector<QStringList> rows;
    for (int row = 0; row < query.recordCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < query.columnNames().size(); ++column)
            cells << cellText(query.value(row, column));
        rows << cells;
    }
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CsvFile::write(query.columnNames(), rows)) < 0 || !file.commit()) {
        Dialogs::instance().showMessage(QStringLiteral("Не удалось записать файл «%1»: %2")
                                            .arg(QFileInfo(*path).fileName(), file.errorString()));
        return false;
    }
    Dialogs::instance().showMessage(QStringLiteral("Выгружено результатов: %1 в файл «%2».")
                                        .arg(rows.size())
                                        .arg(QFileInfo(*path).fileName()));
    return true;
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

bool exportTimedResults(Connection& connection)
{
    return exportTable(connection, Statements::selectResultsForGrid(),
                       QStringLiteral("контрольный тест %1.csv").arg(today()));
}

bool exportFixedResults(Connection& connection)
{
    return exportTable(connection,
                       Statements::selectFixedResultsForGrid(),
                       QStringLiteral("тестирование %1.csv").arg(today()));
}

bool hasTimedResults(Connection& connection)
{
    Query query(connection);
    query.setSql(Statements::countTimedResults());
    query.open();
    return query.fieldAsInteger(QStringLiteral("m")) > 0;
}

} // namespace ResultsExport
