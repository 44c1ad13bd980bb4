#include "data/EngineFault.h"

#include <sqlite3.h>

namespace EngineFault {

namespace {

QString explanation(int extendedCode)
{
    if (extendedCode == SQLITE_READONLY_DBMOVED)
        return QStringLiteral("Файл базы данных удалён или заменён, пока учебник работал: изменения не сохранены. "
                              "Верните файл на место или перезапустите учебник");
    switch (extendedCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("База данных занята другой программой дольше %1 с: действие не выполнено. "
                              "Повторите его, когда другая программа освободит базу")
            .arg(kBusyTimeoutMs / 1000);
    case SQLITE_FULL:
        return QStringLiteral("Нет места на диске для базы данных: изменения не сохранены. "
                              "Освободите место и повторите действие");
    case SQLITE_READONLY:
        return QStringLiteral("Файл базы данных открыт только для чтения: изменения не сохранены");
    case SQLITE_IOERR:
        return QStringLiteral("Ошибка чтения или записи файла базы данных: действие не выполнено");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Файл базы данных повреждён или не является базой данных учебника");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Файл базы данных не удаётся открыть");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Такая запись уже есть или нарушает правила базы данных: изменения не сохранены");
    case SQLITE_NOMEM:
        return QStringLiteral("Не хватает памяти для работы с базой данных: действие не выполнено");
    case SQLITE_TOOBIG:
        return QStringLiteral("Текст или файл слишком велик для базы данных: изменения не сохранены");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Нет прав на это действие с базой данных: действие не выполнено");
    case SQLITE_INTERRUPT:
    case SQLITE_ABORT:
        return QStringLiteral("Действие с базой данных прервано: изменения не сохранены");
    case SQLITE_SCHEMA:
    case SQLITE_MISMATCH:
    case SQLITE_PROTOCOL:
    case SQLITE_NOLFS:
        return QStringLiteral("Ошибка базы данных: действие не выполнено");
    default:
        return QString();
    }
}

// A course file from elsewhere (an old copy, another program's) lacks what the program
// reads: the student is told so in Russian.
QString missingPart(const QString& engineMessage)
{
    if (engineMessage.startsWith(QLatin1String("no such table")) || engineMessage.startsWith(QLatin1String("no such column")))
        return QStringLiteral("В файле базы данных нет таблицы или поля, нужных учебнику");
    return QString();
}

} // namespace

DataError fault(int extendedCode, const QString& engineMessage)
{
    QString text = explanation(extendedCode);
    if (text.isEmpty())
        text = missingPart(engineMessage);
    if (text.isEmpty())
        return DataError(engineMessage);
    return DataError(text, engineMessage);
}

QString fileMoved(const QString& path)
{
    return QStringLiteral("Файл базы данных «%1» удалён или заменён, пока учебник работал: действие не выполнено. "
                          "Верните файл на место или перезапустите учебник")
        .arg(path);
}

} // namespace EngineFault
