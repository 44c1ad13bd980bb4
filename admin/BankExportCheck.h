#pragma once

#include "admin/BankFileTypes.h"
#include "admin/BankQuestion.h"
#include "data/StoredQuestion.h"

#include <QVector>

#include <functional>
#include <optional>

// The first step of every export: a stored question taken apart, or why it cannot be.
namespace BankExportCheck {

struct Checked {
    std::optional<BankQuestion> question;
    QString reason; // empty when the question was taken apart
};

Checked takeApart(const StoredQuestion& stored);

// Every question taken apart and written by `format`, unless `unwritable` gives a reason
// why the format cannot carry it; such questions, and those that cannot be taken apart,
// are listed as skipped.
ExportResult writeEach(const QVector<StoredQuestion>& bank,
                       const std::function<QString(const BankQuestion&)>& unwritable,
                       const std::function<QString(qint64 id, const BankQuestion&)>& format);

} // namespace BankExportCheck
