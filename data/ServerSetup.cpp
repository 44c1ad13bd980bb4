#include "data/ServerSetup.h"

#include "data/Connection.h"
#include "data/CourseCopy.h"
#include "data/DataError.h"
#include "data/ServerSchema.h"
#include "data/Statements.h"
#include "data/Transaction.h"

#include <QTextStream>

namespace ServerSetup {

ExitCode run(const QString& connectionString, const QString& courseFile, QTextStream& out, QTextStream& err)
{
    try {
        Connection server;
        server.setServer(connectionString);
        if (!server.execute(ServerSchema::courseExists()).rows.isEmpty()) {
            err << "В этой базе данных на сервере уже есть курс (таблица temi): ничего не изменено.\n"
                   "Для нового курса создайте пустую базу данных (CREATE DATABASE) и укажите её.\n";
            return CourseExists;
        }
        Connection file;
        file.setDatabasePath(courseFile);
        file.open();

        Transaction transaction(server);
        for (const QString& sql : ServerSchema::createCourse())
            server.execute(sql);
        const QStringList copied = CourseCopy::copyAll(file, server, CourseCopy::Mode::Append);
        transaction.commit();

        out << "Созданы таблицы курса и роли " << ServerSchema::kTeacherRole << " и " << ServerSchema::kStudentRole
            << " с их правами.\n";
        out << "Скопировано из " << courseFile << " (строк по таблицам): " << copied.join(QStringLiteral(", ")) << "\n";
        out << "Дальше: создайте входы преподавателя и студентов (CREATE ROLE … LOGIN PASSWORD … IN ROLE …), "
               "как написано в README.\n";
        return Done;
    } catch (const DataError& error) {
        err << "Настройка сервера не выполнена, ничего не изменено: " << error.message() << "\n";
        return Failed;
    }
}

} // namespace ServerSetup
