#pragma once

#include <QString>

#include <random>

class CourseData;

// One student of a class, without windows: the data work the fixed-test and timed-test
// windows do, through the same functions. Fills both answer sheets, prints "READY", waits
// for a line on standard input, then hands both tests in at once and prints
//   R <fio> <correct> <letter grade>     the fixed test's result as written
//   Z <fio> <gruppa> <percentage>        the timed test's result as written
// (tab-separated). Returns the exit code: 0, or 1 after printing "E <message>".
class StudentDriver
{
public:
    StudentDriver(const QString& programFolder, const QString& tag, quint32 seed);
    int run();

private:
    void fillFixedSheet(CourseData& data);
    void handInFixed(CourseData& data);
    void takeTimedTest(CourseData& data);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString m_folder;
    QString m_tag;
    std::mt19937 m_random;
};
