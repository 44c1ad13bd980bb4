#pragma once

#include <QString>

// One grade band of the fixed test: a closed range of percentages, the text the result
// box shows for it and the letter grade stored in the result record.
struct GradeBand {
    int from;
    int to;
    const char* label;
    const char* letter;

    QString labelText() const { return QString::fromUtf8(label); }
    QString letterGrade() const { return QString::fromLatin1(letter); }

    // The first band whose range holds the percentage, or null when none does (above 100).
    static const GradeBand* find(double percentage);
};
