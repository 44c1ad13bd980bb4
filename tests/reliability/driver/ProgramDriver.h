#pragma once

#include "common/ScriptedDialogs.h"

#include <QObject>
#include <QString>

#include <random>

class QWidget;

// Works the real windows of a running program as a student and a teacher would, round
// after round: a fixed test handed in, a timed test finished, the test parameters saved,
// a topic marked and a topic added. After every write that the database has taken, one
// line goes to standard output (flushed), so whoever kills the process knows what must
// have survived:
//   R <fio> <data> <kol> <ocenka>                 a fixed-test result
//   Z <fio> <gruppa> <procent> <start> <end>      a timed-test result
//   P <vrem> <kolvo>                              the parameters
//   T <name>                                      a topic added
//   E <message>                                   an error the program reported
// Fields are separated by tabs. "READY" follows start-up, "MAIN" the main window's
// appearance after the splash.
class ProgramDriver : public QObject
{
    Q_OBJECT
public:
    // Names carry the tag so that rows of different runs never look alike.
    ProgramDriver(const QString& tag, quint32 seed, int rounds);

    // One round per event-loop turn, so timers and queued calls of the windows run too.
    void start();

    static void report(const QStringList& fields);

private:
    void round();
    void fixedTest();
    void timedTest();
    void settings();
    void reportErrorBoxes();
    QString name(const char* kind) const;
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    ScriptedDialogs m_dialogs;
    QString m_tag;
    std::mt19937 m_random;
    int m_rounds;
    int m_round = 0;
};
