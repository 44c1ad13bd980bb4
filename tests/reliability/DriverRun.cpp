#include "DriverRun.h"

#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <unistd.h>

DriverFolder::DriverFolder()
{
    QFile::copy(QStringLiteral(VESTRON_PROGRAM_DIR "/dbase.sqlite"), database());
    QFile::setPermissions(database(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::link(QStringLiteral(VESTRON_PROGRAM_DIR "/text"), path() + QStringLiteral("text"));
}

DriverRun::DriverRun(const QString& folder, const QStringList& arguments)
{
    m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
    m_process.start(QStringLiteral(VESTRON_DRIVER), QStringList{folder} + arguments);
    if (m_process.waitForStarted(30000))
        m_group = m_process.processId();
}

DriverRun::~DriverRun()
{
    if (running())
        kill();
    endGroup();
}

void DriverRun::read()
{
    m_output += m_process.readAllStandardOutput();
}

QStringList DriverRun::lines()
{
    read();
    const qsizetype end = m_output.lastIndexOf('\n');
    if (end < 0)
        return {};
    return QString::fromUtf8(m_output.left(end)).split(u'\n');
}

bool DriverRun::waitForLine(const QString& prefix, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        for (const QString& line : lines()) {
            if (line.startsWith(prefix))
                return true;
        }
        if (!running() || deadline.hasExpired())
            return false;
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
}

bool DriverRun::runFor(int ms)
{
    QDeadlineTimer deadline(ms);
    while (running() && !deadline.hasExpired()) {
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        read();
    }
    return running();
}

void DriverRun::kill()
{
    m_process.kill();
    m_process.waitForFinished(30000);
    read();
    endGroup();
}

// The web views' helper processes notice their parent's end and leave by themselves; any
// that linger would hold on to the program folder.
void DriverRun::endGroup()
{
    if (m_group > 0)
        ::kill(-pid_t(m_group), SIGKILL);
    m_group = 0;
}

int DriverRun::finish(int timeoutMs)
{
    if (!m_process.waitForFinished(timeoutMs))
        return -1;
    read();
    endGroup();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}
