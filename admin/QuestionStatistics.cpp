#include "admin/QuestionStatistics.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

enum class Group : char { Middle, Upper, Lower };

struct Tally {
    int answered = 0;
    int right = 0;
    int upperAnswered = 0;
    int upperRight = 0;
    int lowerAnswered = 0;
    int lowerRight = 0;
    std::array<int, 5> letters{};
};

QString attemptKey(const AnswerLog::Attempt& attempt)
{
    return attempt.fio + u'\x1f' + attempt.gruppa + u'\x1f' + attempt.started;
}

// The group of every attempt, indexed as the attempts first appear in the answers.
QVector<Group> groupsOf(const QVector<int>& attemptOf, int attempts, const QVector<AnswerLog::Answer>& answers)
{
    QVector<int> score(attempts, 0);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (answers.at(i).right)
            ++score[attemptOf.at(i)];
    }
    QVector<int> ranked(attempts);
    for (int i = 0; i < attempts; ++i)
        ranked[i] = i;
    std::stable_sort(ranked.begin(), ranked.end(), [&score](int a, int b) { return score.at(a) > score.at(b); });

    QVector<Group> groups(attempts, Group::Middle);
    const int size = QuestionStatistics::groupSize(attempts);
    for (int i = 0; i < size; ++i) {
        groups[ranked.at(i)] = Group::Upper;
        groups[ranked.at(attempts - 1 - i)] = Group::Lower;
    }
    return groups;
}

QuestionStatistics finish(qint64 id, const Tally& tally)
{
    QuestionStatistics row;
    row.id = id;
    row.answered = tally.answered;
    row.right = tally.right;
    row.letters = tally.letters;
    row.facility = tally.answered > 0 ? double(tally.right) / tally.answered : 0.0;
    if (tally.upperAnswered > 0 && tally.lowerAnswered > 0)
        row.discrimination = double(tally.upperRight) / tally.upperAnswered - double(tally.lowerRight) / tally.lowerAnswered;
    if (tally.right == 0)
        row.reviewReasons << QStringLiteral("никто не ответил верно");
    else if (tally.right == tally.answered)
        row.reviewReasons << QStringLiteral("все ответили верно");
    if (row.discrimination && *row.discrimination < 0)
        row.reviewReasons << QStringLiteral("отрицательная дискриминация");
    return row;
}

} // namespace

int QuestionStatistics::countAttempts(const QVector<AnswerLog::Answer>& answers)
{
    QSet<QString> attempts;
    for (const AnswerLog::Answer& answer : answers)
        attempts.insert(attemptKey(answer.attempt));
    return int(attempts.size());
}

int QuestionStatistics::groupSize(int attempts)
{
    if (attempts < 2)
        return 0;
    // 27 % in whole numbers, so 40.5 is 40 and not whatever 0.27 * 150 rounds to.
    const int hundredths = 27 * attempts;
    int size = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && size % 2 == 1))
        ++size;
    return std::max(1, size);
}

QVector<QuestionStatistics> QuestionStatistics::compute(const QVector<AnswerLog::Answer>& answers)
{
    QHash<QString, int> attemptIndex;
    QVector<int> attemptOf;
    attemptOf.reserve(answers.size());
    for (const AnswerLog::Answer& answer : answers) {
        const QString key = attemptKey(answer.attempt);
        auto found = attemptIndex.constFind(key);
        if (found == attemptIndex.constEnd())
            found = attemptIndex.insert(key, int(attemptIndex.size()));
        attemptOf << found.value();
    }
    const QVector<Group> groups = groupsOf(attemptOf, int(attemptIndex.size()), answers);

    std::map<qint64, Tally> tallies;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const AnswerLog::Answer& answer = answers.at(i);
        Tally& tally = tallies[answer.questionId];
        ++tally.answered;
        tally.right += answer.right ? 1 : 0;
        const int letter = answer.letter.size() == 1 ? answer.letter.at(0).unicode() - u'A' : -1;
        if (letter >= 0 && letter < 5)
            ++tally.letters[size_t(letter)];
        const Group group = groups.at(attemptOf.at(i));
        if (group == Group::Upper) {
            ++tally.upperAnswered;
            tally.upperRight += answer.right ? 1 : 0;
        } else if (group == Group::Lower) {
            ++tally.lowerAnswered;
            tally.lowerRight += answer.right ? 1 : 0;
        }
    }

    QVector<QuestionStatistics> rows;
    rows.reserve(qsizetype(tallies.size()));
    for (const auto& [id, tally] : tallies)
        rows << finish(id, tally);
    return rows;
}
