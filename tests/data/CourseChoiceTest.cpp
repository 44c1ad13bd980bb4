#include "data/CourseBackendFixture.h"

#include "data/DatabaseBackup.h"
#include "data/DatabaseChoice.h"
#include "data/NetworkShare.h"
#include "data/Statements.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A share is named, a local file system is not (the share list itself is the code's).
TEST(NetworkShare, ASharesFileSystemIsNamedALocalOneIsNot)
{
    EXPECT_EQ(NetworkShare::kindOfType(0x6969UL), QStringLiteral("NFS"));
    for (const unsigned long local : {0xEF53UL /* ext4 */, 0x01021994UL /* tmpfs */, 0x58465342UL /* xfs */})
        EXPECT_TRUE(NetworkShare::kindOfType(local).isEmpty()) << std::hex << local;
    QTemporaryDir folder;
    EXPECT_TRUE(NetworkShare::kindOf(folder.path()).isEmpty()) << "the test folder is not a share";
    EXPECT_TRUE(NetworkShare::kindOf(QStringLiteral("/nonexistent/dbase.sqlite")).isEmpty());
}

// The variable wins over the settings; blanks count as nothing.
TEST(DatabaseChoice, EnvironmentThenSettingsThenTheFile)
{
    QStandardPaths::setTestModeEnabled(true);
    const QByteArray savedEnvironment = qgetenv("VESTRON_DATABASE");
    const struct {
        const char* environment;
        const char* setting;
        const char* chosen;
    } rows[] = {
        {nullptr, nullptr, ""},
        {nullptr, "host=db dbname=course", "host=db dbname=course"},
        {"postgresql://a@b/c", "host=db dbname=course", "postgresql://a@b/c"},
        {"   ", "host=db", "host=db"},
        {nullptr, "  ", ""},
        {"  dbname=x  ", nullptr, "dbname=x"},
    };
    for (const auto& row : rows) {
        QSettings settings(QStringLiteral("Vestron"), QStringLiteral("vestron"));
        if (row.setting)
            settings.setValue(QLatin1String(DatabaseChoice::kSettingsKey), QString::fromUtf8(row.setting));
        else
            settings.remove(QLatin1String(DatabaseChoice::kSettingsKey));
        settings.sync();
        if (row.environment)
            qputenv("VESTRON_DATABASE", row.environment);
        else
            qunsetenv("VESTRON_DATABASE");
        EXPECT_EQ(DatabaseChoice::connectionString(), QString::fromUtf8(row.chosen))
            << (row.environment ? row.environment : "-") << " / " << (row.setting ? row.setting : "-");
    }
    QSettings(QStringLiteral("Vestron"), QStringLiteral("vestron")).remove(QLatin1String(DatabaseChoice::kSettingsKey));
    if (savedEnvironment.isNull())
        qunsetenv("VESTRON_DATABASE");
    else
        qputenv("VESTRON_DATABASE", savedEnvironment);
    QStandardPaths::setTestModeEnabled(false);
}

using CourseBackup = CourseBackendFixture;

// A backup file of either back end is a course file; restoring it brings the course back.
TEST_P(CourseBackup, SavedCourseChecksAndRestoresWhole)
{
    connection.execute(Statements::insertTimedResult("Иванов", "ИС-1", "70", "s", "f"));
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("backup.sqlite"));
    DatabaseBackup::save(connection, saved);
    EXPECT_TRUE(DatabaseBackup::check(saved).isEmpty()) << DatabaseBackup::check(saved).join(u';').toStdString();

    const qint64 topics = scalar(QStringLiteral("SELECT count(*) FROM temi")).toLongLong();
    connection.execute(Statements::deleteAllResults());
    connection.execute(Statements::updateParameters(44, 4));
    connection.execute(QStringLiteral("DELETE FROM temi"));
    DatabaseBackup::restore(connection, saved);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM temi")).toLongLong(), topics);
    EXPECT_EQ(scalar(Statements::countTimedResults()).toLongLong(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT vrem FROM params")).toLongLong(), 15);
}

INSTANTIATE_TEST_SUITE_P(Backends, CourseBackup, ::testing::Values(Backend::File, Backend::Server), backendName);

} // namespace
