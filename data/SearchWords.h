#pragma once

#include <QString>
#include <QStringList>

// How the course search sees words: letter case and the difference between "ё" and "е"
// do not count, and a Russian word is looked up by its stem, so that every form of it
// ("отношение", "отношения", "отношений") is found by any other.
namespace SearchWords {

// Lower case with "ё" made "е", one character for one character, so positions in the
// folded text are positions in the original.
QString fold(QStringView text);

// The words of a text as the index sees them: runs of letters and digits, folded.
QStringList words(QStringView text);

// The stem of a folded Russian word: the word without its inflectional, reflexive and
// derivational endings, taken only from after its first vowel. Always a prefix of the
// word; other words are returned as they are.
QString stem(const QString& foldedWord);

// The stems of the words typed into the search field, in order, without repeats.
QStringList stemsOf(QStringView typed);

// A full-text match expression for the stems: every stem as a quoted prefix, all of them
// required. Empty when there is nothing to look for.
QString matchExpression(const QStringList& stems);

} // namespace SearchWords
