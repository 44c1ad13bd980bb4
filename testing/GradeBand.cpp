#include "testing/GradeBand.h"

#include <iterator>

namespace {

const GradeBand kBands[] = {
    {0, 49, "Оценка: 2, F (0)", "F"},
    {50, 54, "Оценка: 3, D (1.0)", "D"},
    {55, 59, "Оценка: 3, D+ (1.33)", "D+"},
    {60, 64, "Оценка: 3, C- (1.67)", "C-"},
    {65, 69, "Оценка: 3, C (2.0)", "C"},
    {70, 74, "Оценка: 3, C+ (2.33)", "C+"},
    {75, 79, "Оценка: 4, B- (2.67)", "B-"},
    {80, 84, "Оценка: 4, B (3.0)", "B"},
    {85, 89, "Оценка: 4, B+ (3.33)", "B+"},
    {90, 94, "Оценка: 5, A- (3.67)", "A-"},
    {95, 100, "Оценка: 5, A (4.0)", "A"},
};

} // namespace

const GradeBand* GradeBand::find(double percentage)
{
    for (const GradeBand& band : kBands) {
        if (percentage >= band.from && percentage <= band.to)
            return &band;
    }
    return nullptr;
}
