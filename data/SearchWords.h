#pragma once

#include <QString>
#include <QStringList>

class WordStemmer;

// How the course search sees words: letter case and the difference between "ё" and "е"
// do not count, and a word is looked up by its Snowball stem (Russian or English), so that
// every form of it ("отношение", "отношения", "отношений") is found by any other.
namespace SearchWords {

// Lower case with "ё" made "е", one character for one character, so positions in the
// folded text are positions in the original.
QString fold(QStringView text);

// True for the characters words are made of: letters, digits and the combining marks
// that belong to the letter before them (a decomposed "ё", a stress mark).
bool isWordChar(QChar c);

// One word of a text as the index sees it: composed (NFC), without combining marks left
// over, folded.
QString word(QStringView text);

// The words of a text as the index sees them.
QStringList words(QStringView text);

// The stem of a word as word() gives it.
QString stem(const QString& foldedWord);

// The text the full-text index holds for a document's text: the stem of every word.
QString indexText(QStringView text);

// The stems of the words typed into the search field, in order, without repeats.
QStringList stemsOf(QStringView typed);

// Whether a word whose stem is `wordStem` is what a student typing `typedStem` means:
// a stem of four letters or more finds every stem it begins (a word typed in part), a
// shorter one only its own forms («поле» does not find «полный»).
bool matches(QStringView wordStem, QStringView typedStem);

// A full-text match expression for the stems, matching as matches() does, all of them
// required. Empty when there is nothing to look for.
QString matchExpression(const QStringList& stems);

} // namespace SearchWords
