#pragma once

#include "admin/BankQuestion.h"
#include "data/StoredQuestion.h"

#include <optional>

// The first step of every export: a stored question taken apart, or why it cannot be.
namespace BankExportCheck {

struct Checked {
    std::optional<BankQuestion> question;
    QString reason; // empty when the question was taken apart
};

Checked takeApart(const StoredQuestion& stored);

} // namespace BankExportCheck
