#pragma once

#include "admin/BankQuestion.h"

#include <QString>
#include <QVector>

// A line of an imported file that could not be read, or a question that was refused.
struct ImportIssue {
    int line = 0;
    QString reason;
};

// The problem of a refused question: where its trouble is and why, naming the line it
// starts on.
inline ImportIssue refusedQuestion(int questionLine, int line, const QString& reason)
{
    return ImportIssue{line, QStringLiteral("Вопрос со строки %1 не принят: %2").arg(questionLine).arg(reason)};
}

// What a question file holds: the questions that can go into the bank and the problems,
// both in the order of the file.
struct ImportResult {
    QVector<BankQuestion> questions;
    QVector<ImportIssue> issues;
};

// A question of the bank that a file format cannot hold.
struct SkippedQuestion {
    qint64 id = 0;
    QString reason;
};

struct ExportResult {
    QString text;
    int written = 0;
    QVector<SkippedQuestion> skipped;
};
