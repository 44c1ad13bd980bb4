#pragma once

#include <QString>
#include <QStringList>

// Fails the running test for every Qt warning (a recursive repaint, a painter on an
// inactive device, ...) issued while the guard lives, apart from the ones whose text
// contains one of the allowed pieces. Guards do not nest.
class QtWarningGuard
{
public:
    explicit QtWarningGuard(QStringList allowed = {});
    ~QtWarningGuard();
    QtWarningGuard(const QtWarningGuard&) = delete;
    QtWarningGuard& operator=(const QtWarningGuard&) = delete;

    // The warnings seen so far that were not allowed.
    const QStringList& warnings() const;
};
