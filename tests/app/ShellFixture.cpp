#include "ShellFixture.h"

#include "app/Startup.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellOpen.h"
#include "ui/Globals.h"

#include <QApplication>
#include <QFile>

#include <sqlite3.h>

void ShellFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    Startup::prepareApplication(*qApp);
    ProgramFolder::setPathForTesting(m_dir.path());
    BrowseMode = 0;
    ShellOpenForTesting::setOpener([this](const QString& file, const QString& parameters,
                                          const QString& directory, int showCommand) {
        shellCalls.push_back({file, parameters, directory, showCommand});
    });
}

void ShellFixture::TearDown()
{
    windows.destroy();
    ShellOpenForTesting::setOpener({});
    ProgramFolder::setPathForTesting(QString());
    BrowseMode = 0;
}

void ShellFixture::buildDatabase(const QString& rows)
{
    QFile schema(QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"));
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
    const QByteArray script = schema.readAll() + rows.toUtf8();
    const QString file = folder() + QStringLiteral("dbase.sqlite");
    QFile::remove(file);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    char* message = nullptr;
    const int result = sqlite3_exec(db, script.constData(), nullptr, nullptr, &message);
    const QString error = QString::fromUtf8(message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(result, SQLITE_OK) << error.toStdString();
}

void ShellFixture::startWithRows(const QString& rows)
{
    buildDatabase(rows);
    ASSERT_TRUE(windows.create()) << dialogs.messages().join(u'|').toStdString();
}
