#pragma once

#include "data/AnswerLog.h"

#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// How each question of the timed test fared, from the answers stored as students gave them.
struct QuestionStatistics {
    qint64 id = 0;
    int answered = 0;
    int right = 0;
    // right / answered.
    double facility = 0.0;
    // The share right in the upper group minus the share right in the lower group, each
    // among the group's attempts that answered this question; nothing when either group
    // has no such attempt.
    std::optional<double> discrimination;
    std::array<int, 5> letters{}; // times "A" … "E" were chosen
    // Why a teacher should look at the question again; empty when it looks sound.
    QStringList reviewReasons;

    // Attempts are ranked by their count of right answers; the upper and the lower group
    // are each 27 % of them, rounded (halves to even) and at least one, when there are two
    // attempts or more. Equal scores keep the order in which the attempts began.
    // One entry per question answered at least once, by question number.
    static QVector<QuestionStatistics> compute(const QVector<AnswerLog::Answer>& answers);
    static int groupSize(int attempts);
    static int countAttempts(const QVector<AnswerLog::Answer>& answers);
};
