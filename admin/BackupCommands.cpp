#include "admin/BackupCommands.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DatabaseBackup.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace BackupCommands {

namespace {

const QString kFilters = QStringLiteral("База данных курса (*.sqlite);;Все файлы (*)");

QString shownName(const QString& path)
{
    return QFileInfo(path).fileName();
}

bool isLiveDatabase(const Connection& connection, const QString& path)
{
    const QString live = QFileInfo(connection.databasePath()).canonicalFilePath();
    return !live.isEmpty() && QFileInfo(path).canonicalFilePath() == live;
}

} // namespace

void backUp(Connection& connection)
{
    Dialogs& dialogs = Dialogs::instance();
    const QString suggested = QStringLiteral("dbase %1.sqlite").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const std::optional<QString> path =
        dialogs.chooseFileToSave(QStringLiteral("Резервная копия базы"), kFilters, QDir::home().filePath(suggested));
    if (!path)
        return;
    if (isLiveDatabase(connection, *path)) {
        dialogs.showMessage(QStringLiteral("Копию нельзя записать поверх рабочей базы. Выберите другой файл."));
        return;
    }
    try {
        DatabaseBackup::save(connection, *path);
    } catch (const DataError& error) {
        dialogs.showError(QStringLiteral("Резервная копия не сохранена.\n") + ErrorReport::text(error.message()), error.details());
        return;
    }
    dialogs.showMessage(QStringLiteral("Резервная копия сохранена в файл «%1».").arg(shownName(*path)));
}

bool restore(Connection& connection)
{
    Dialogs& dialogs = Dialogs::instance();
    const std::optional<QString> path = dialogs.chooseFileToOpen(QStringLiteral("Восстановление базы"), kFilters);
    if (!path)
        return false;
    if (isLiveDatabase(connection, *path)) {
        dialogs.showMessage(QStringLiteral("Это файл рабочей базы: восстанавливать из него нечего."));
        return false;
    }
    const QStringList problems = DatabaseBackup::check(*path);
    if (!problems.isEmpty()) {
        dialogs.showMessage(QStringLiteral("Файл «%1» не подходит: %2.\nБаза не изменена.")
                                .arg(shownName(*path), problems.mid(0, 10).join(QStringLiteral("; "))));
        return false;
    }
    if (!dialogs.askYesNo(QStringLiteral("Заменить все данные курса (темы, вопросы, параметры, результаты) "
                                         "содержимым файла «%1»?\nТекущие данные будут потеряны.")
                              .arg(shownName(*path)),
                          Dialogs::applicationTitle(), Dialogs::Icon::None))
        return false;
    try {
        DatabaseBackup::restore(connection, *path);
    } catch (const DataError& error) {
        dialogs.showError(QStringLiteral("База не восстановлена и осталась прежней.\n") + ErrorReport::text(error.message()),
                          error.details());
        return false;
    }
    dialogs.showMessage(QStringLiteral("База восстановлена из файла «%1». Списки главного окна обновятся "
                                       "после перезапуска программы.")
                            .arg(shownName(*path)));
    return true;
}

} // namespace BackupCommands
