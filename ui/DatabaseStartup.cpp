#include "ui/DatabaseStartup.h"

#include "data/CourseData.h"
#include "data/DatabaseChoice.h"
#include "data/NetworkShare.h"
#include "data/ServerUnreachable.h"
#include "platform/Dialogs.h"
#include "ui/OutboxSender.h"

namespace DatabaseStartup {

namespace {

void warnAboutShare(const QString& programFolder)
{
    const QString file = CourseData::databaseFile(programFolder);
    const QString kind = NetworkShare::kindOf(file);
    if (!kind.isEmpty())
        Dialogs::instance().messageBox(networkShareWarning(file, kind), Dialogs::applicationTitle(), Dialogs::Icon::Warning);
}

void openOnServer(CourseData& data, const QString& programFolder, const QString& server, QObject* owner)
{
    data.useServer(server);
    auto* sender = new OutboxSender(data.ADOConnection1, Outbox::defaultFile(), owner);
    data.setOutbox(&sender->outbox(), [] {
        Dialogs::instance().messageBox(deferredNotice(), Dialogs::applicationTitle(), Dialogs::Icon::Warning);
    });
    try {
        data.openTables(programFolder);
    } catch (const ServerUnreachable& error) {
        if (!Dialogs::instance().askYesNo(unreachableOffer(error.message()), Dialogs::applicationTitle(),
                                          Dialogs::Icon::Warning))
            throw;
        data.setOutbox(nullptr, {});
        data.useServer(QString());
        delete sender;
        warnAboutShare(programFolder);
        data.openTables(programFolder);
        return;
    }
    sender->sendNow();
}

} // namespace

void open(CourseData& data, const QString& programFolder, QObject* owner)
{
    const QString server = DatabaseChoice::connectionString();
    if (!server.isEmpty()) {
        openOnServer(data, programFolder, server, owner);
        return;
    }
    warnAboutShare(programFolder);
    data.openTables(programFolder);
}

QString deferredNotice()
{
    return QStringLiteral("Нет связи с сервером: результат сохранён на этом компьютере и будет отправлен позже");
}

QString unreachableOffer(const QString& reason)
{
    return QStringLiteral("Сервер базы данных курса недоступен:\n%1\n\n"
                          "Работать с файлом базы данных на этом компьютере (dbase.sqlite)? "
                          "Результаты тогда останутся на этом компьютере.")
        .arg(reason);
}

QString networkShareWarning(const QString& file, const QString& kind)
{
    return QStringLiteral("Файл базы данных «%1» лежит в сетевой папке (%2). Если с ним работают несколько "
                          "компьютеров сразу, файл может быть повреждён. Для класса поставьте базу курса на "
                          "сервер PostgreSQL (см. раздел README «Курс на сервере»).")
        .arg(file, kind);
}

} // namespace DatabaseStartup
