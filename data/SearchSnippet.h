#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A short piece of a document's text around the first word that a search found, with
// the found words marked. Positions are in `text`.
struct SearchSnippet
{
    struct Mark {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Mark&) const = default;
    };

    QString text;
    QVector<Mark> marks;
    // Every word of the body that was found, once, as SearchWords::word() gives it: what
    // the opened document highlights.
    QStringList words;

    // The piece of `body` around the first word whose stem matches one of the stems (as
    // SearchWords::matches() decides), about `width` characters long, cut at word
    // boundaries, with "…" where the text goes on. No such word: the beginning of the
    // body, unmarked.
    static SearchSnippet around(const QString& body, const QStringList& stems, qsizetype width = 200);
};
