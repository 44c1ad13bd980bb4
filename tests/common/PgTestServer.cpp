#include "common/PgTestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <libpq-fe.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system user that owns the data folder when the tests run as root.
const char* const kServerUser = "postgres";

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

PgTestServer& PgTestServer::shared()
{
    static PgTestServer server;
    return server;
}

QString PgTestServer::binaryFolder()
{
    QProcess config;
    config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
    if (config.waitForFinished(10000) && config.exitCode() == 0) {
        const QString folder = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
        if (QFileInfo::exists(folder + QStringLiteral("/initdb")))
            return folder;
    }
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                                      QDir::Name | QDir::Reversed);
    for (const QString& version : versions) {
        const QString folder = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
        if (QFileInfo::exists(folder + QStringLiteral("/initdb")))
            return folder;
    }
    return QString();
}

PgTestServer::PgTestServer()
{
    m_bin = binaryFolder();
    if (m_bin.isEmpty()) {
        m_skipReason = QStringLiteral("no PostgreSQL server binary (initdb) found: install the postgresql package");
        return;
    }
    if (runningAsRoot() && !::getpwnam(kServerUser)) {
        m_skipReason = QStringLiteral("running as root and no unprivileged \"postgres\" user to run the server");
        return;
    }
    m_port = 40000 + int(::getpid() % 20000);
    if (initialise())
        m_running = start();
    if (!m_running && m_skipReason.isEmpty())
        m_skipReason = QStringLiteral("the private PostgreSQL server did not start");
}

PgTestServer::~PgTestServer()
{
    if (m_running)
        stop();
}

QStringList PgTestServer::asServerUser(const QString& tool, const QStringList& arguments) const
{
    const QString program = m_bin + u'/' + tool;
    if (!runningAsRoot())
        return QStringList{program} + arguments;
    return QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), QString::fromLatin1(kServerUser),
                       QStringLiteral("--"), program} + arguments;
}

bool PgTestServer::runTool(const QStringList& command, QString* output) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    const bool finished = process.waitForFinished(120000);
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("PgTestServer: %s failed: %s", qPrintable(command.join(u' ')), qPrintable(text));
        return false;
    }
    return true;
}

bool PgTestServer::initialise()
{
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vestron-pg-XXXXXX"));
    if (!m_dir->isValid())
        return false;
    m_data = m_dir->path() + QStringLiteral("/data");
    if (runningAsRoot()) {
        const passwd* user = ::getpwnam(kServerUser);
        if (::chown(QFile::encodeName(m_dir->path()).constData(), user->pw_uid, user->pw_gid) != 0)
            return false;
    }
    return runTool(asServerUser(QStringLiteral("initdb"),
                                {QStringLiteral("-D"), m_data, QStringLiteral("-U"), QStringLiteral("postgres"),
                                 QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                 QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}));
}

// Only a unix socket in the temporary folder: nothing listens on the network.
bool PgTestServer::start()
{
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off "
                                           "-c full_page_writes=off -c max_connections=120")
                                .arg(m_dir->path())
                                .arg(m_port);
    m_running = runTool(asServerUser(QStringLiteral("pg_ctl"),
                                     {QStringLiteral("-D"), m_data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                                      m_dir->path() + QStringLiteral("/server.log"), QStringLiteral("-w"),
                                      QStringLiteral("start")}));
    return m_running;
}

bool PgTestServer::stop()
{
    const bool stopped = runTool(asServerUser(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_data, QStringLiteral("-m"),
                                                                        QStringLiteral("immediate"), QStringLiteral("-w"),
                                                                        QStringLiteral("stop")}));
    if (stopped)
        m_running = false;
    return stopped;
}

QString PgTestServer::connection(const QString& database, const QString& user) const
{
    return QStringLiteral("host=%1 port=%2 dbname=%3 user=%4").arg(m_dir->path()).arg(m_port).arg(database, user);
}

QString PgTestServer::exec(const QString& database, const QString& sql) const
{
    PGconn* conn = PQconnectdb(connection(database).toUtf8().constData());
    QString error;
    if (PQstatus(conn) != CONNECTION_OK) {
        error = QString::fromUtf8(PQerrorMessage(conn));
    } else {
        PGresult* result = PQexec(conn, sql.toUtf8().constData());
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            error = QString::fromUtf8(PQresultErrorMessage(result));
        PQclear(result);
    }
    PQfinish(conn);
    return error;
}

QString PgTestServer::createDatabase()
{
    const QString name = QStringLiteral("course_%1").arg(++m_counter);
    const QString error = exec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(name));
    if (!error.isEmpty()) {
        qWarning("PgTestServer: %s", qPrintable(error));
        return QString();
    }
    return name;
}

QString PgTestServer::createLogin(const QString& database, const QString& group)
{
    const QString name = QStringLiteral("%1_login_%2").arg(group).arg(++m_counter);
    const QString error = exec(database, QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'secret' IN ROLE %2").arg(name, group));
    if (!error.isEmpty())
        qWarning("PgTestServer: %s", qPrintable(error));
    return name;
}
