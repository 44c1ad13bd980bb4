#include "testing/TimedTestSheet.h"

#include "testing/RandomGenerator.h"

#include <vector>

void TimedTestSheet::start(const QVector<int>& ids)
{
    reset();
    const int count = int(ids.size());
    if (count <= 0)
        return;
    m_order.resize(count + 1);
    m_answers.resize(count + 1);
    // The flags give the same draws as searching the earlier positions, without the
    // quadratic scan for large banks.
    std::vector<bool> used(size_t(count) + 1, false);
    for (int position = 1; position <= count; ++position) {
        int drawn = 0;
        do {
            drawn = RandomGenerator::random(count + 1);
        } while (drawn == 0 || used[size_t(drawn)]);
        used[size_t(drawn)] = true;
        m_order[position] = ids.at(drawn - 1);
    }
}

void TimedTestSheet::reset()
{
    m_order = {0};
    m_answers = {QString()};
}

int TimedTestSheet::questionAt(int position) const
{
    return contains(position) ? m_order.at(position) : 0;
}

QString TimedTestSheet::answerAt(int position) const
{
    return contains(position) ? m_answers.at(position) : QString();
}

void TimedTestSheet::setAnswer(int position, const QString& letter)
{
    if (contains(position))
        m_answers[position] = letter;
}

int TimedTestSheet::unansweredCount() const
{
    int unanswered = 0;
    for (int position = 1; position <= count(); ++position) {
        if (m_answers.at(position).isEmpty())
            ++unanswered;
    }
    return unanswered;
}
