#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder of its own (a copy of the built course database, the course texts
// linked in) and runs of vestron_driver over it, each in a process group of its own.
class DriverFolder
{
public:
    DriverFolder();
    QString path() const { return m_dir.path() + u'/'; }
    QString database() const { return path() + QStringLiteral("dbase.sqlite"); }

private:
    QTemporaryDir m_dir;
};

class DriverRun
{
public:
    DriverRun(const QString& folder, const QStringList& arguments);
    ~DriverRun();

    // Waits until a whole line starting with prefix has arrived; false on timeout or exit.
    bool waitForLine(const QString& prefix, int timeoutMs);
    // Writes to the program's standard input.
    void send(const QByteArray& bytes) { m_process.write(bytes); m_process.waitForBytesWritten(10000); }
    // Lets the program run on for the given time; false when it ended meanwhile.
    bool runFor(int ms);
    // SIGKILL to the program alone, as a crash or a power cut of the process would do;
    // then whatever helpers it left are ended too.
    void kill();
    // Waits for the end; the exit code, or -1 when it did not end normally.
    int finish(int timeoutMs);

    // The whole lines written so far (an unfinished last line is not one).
    QStringList lines();
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }
    bool running() const { return m_process.state() != QProcess::NotRunning; }

private:
    void read();
    void endGroup();

    QProcess m_process;
    qint64 m_group = 0;
    QByteArray m_output;
};
