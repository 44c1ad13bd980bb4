#pragma once

#include <QString>
#include <QVector>

// The running timed test: the question at each position and the letter chosen there.
// Positions are 1-based and both lists are as long as the question count, so a bank of
// any size fits.
class TimedTestSheet
{
public:
    // A new random order of the given question ids, drawn with the process's generator
    // (draw r below n + 1 until it is neither 0 nor already used, and take the r-th id);
    // nothing answered. Over the ids 1 … n the r-th id is r itself.
    void start(const QVector<int>& ids);
    // Back to no test: no positions, no answers.
    void reset();

    int count() const { return int(m_order.size()) - 1; }
    // The question id at the position; 0 outside 1 … count.
    int questionAt(int position) const;
    // The letter chosen at the position; empty when unanswered or outside 1 … count.
    QString answerAt(int position) const;
    // Ignored outside 1 … count.
    void setAnswer(int position, const QString& letter);
    int unansweredCount() const;

private:
    bool contains(int position) const { return position >= 1 && position <= count(); }

    QVector<int> m_order = {0};      // position 0 is never used
    QVector<QString> m_answers = {QString()};
};
