#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A multiple-choice question of the timed test's bank taken apart: the question text (it
// may span lines), two to five options and which one is right. The bank keeps it as the
// text followed by one line per option, "A) …" to "E) …", with the right letter in keys.
struct BankQuestion {
    static constexpr int kMaxOptions = 5;

    QString text;
    QStringList options;
    int right = -1;  // index into options
    int line = 0;    // first line of the question in the file it was read from
    QStringList notes; // what reading changed (a marker dropped, HTML made text), for the preview

    // "A" … "E".
    QString key() const;
    QString storedText() const;

    // Reads a stored question back: its text must end in the lines "A) …", "B) …", … in
    // order (two to five of them, "A. …" also accepted), and the key must name one of them.
    static std::optional<BankQuestion> fromStored(const QString& text, const QString& key);
};
