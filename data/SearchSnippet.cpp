#include "data/SearchSnippet.h"

#include "data/SearchWords.h"
#include "data/WordStemmer.h"

namespace {

const QChar kEllipsis(0x2026);

bool isWordChar(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && SearchWords::isWordChar(text[at]);
}

qsizetype wordEnd(const QString& text, qsizetype at)
{
    while (isWordChar(text, at))
        ++at;
    return at;
}

// Stemming is the costly part: only a word that begins as a stem does (all but the stem's
// last letter, which the English rules may change) is stemmed.
bool isFound(const WordStemmer& stemmer, const QString& word, const QStringList& stems)
{
    for (const QString& stem : stems) {
        const QStringView start = QStringView(stem).first(std::max<qsizetype>(1, stem.size() - 1));
        if (word.startsWith(start) && SearchWords::matches(stemmer.stem(word), stem))
            return true;
    }
    return false;
}

// The words of the body found by the stems, with their positions.
QVector<SearchSnippet::Mark> foundWords(const QString& body, const QStringList& stems, QStringList& words)
{
    const WordStemmer stemmer;
    QString firstLetters;
    for (const QString& stem : stems)
        firstLetters += stem.left(1);
    QVector<SearchSnippet::Mark> marks;
    for (qsizetype at = 0; at < body.size();) {
        if (!isWordChar(body, at) || body[at].isMark()) {
            ++at;
            continue;
        }
        const qsizetype end = wordEnd(body, at);
        if (!firstLetters.contains(SearchWords::fold(QStringView(body).mid(at, 1)))) {
            at = end;
            continue;
        }
        const QString word = SearchWords::word(QStringView(body).mid(at, end - at));
        if (isFound(stemmer, word, stems)) {
            marks.push_back({at, end - at});
            if (!words.contains(word))
                words << word;
        }
        at = end;
    }
    return marks;
}

// Moves a cut back to the start of the word it falls into.
qsizetype cutBefore(const QString& text, qsizetype at)
{
    while (at > 0 && isWordChar(text, at - 1) && isWordChar(text, at))
        --at;
    return at;
}

} // namespace

SearchSnippet SearchSnippet::around(const QString& body, const QStringList& stems, qsizetype width)
{
    SearchSnippet snippet;
    const QVector<Mark> all = foundWords(body, stems, snippet.words);
    const qsizetype first = all.isEmpty() ? 0 : all.front().start;

    // A quarter of the piece before the first found word, the rest after it.
    qsizetype start = cutBefore(body, std::max<qsizetype>(0, first - width / 4));
    qsizetype end = std::min(body.size(), start + width);
    if (end < body.size() && cutBefore(body, end) > first)
        end = cutBefore(body, end);
    while (start < end && body[start].isSpace())
        ++start;
    while (end > start && body[end - 1].isSpace())
        --end;

    const qsizetype offset = (start > 0 ? 1 : 0) - start;
    snippet.text = (start > 0 ? QString(kEllipsis) : QString()) + body.mid(start, end - start)
        + (end < body.size() ? QString(kEllipsis) : QString());
    for (const Mark& mark : all) {
        if (mark.start >= start && mark.start + mark.length <= end)
            snippet.marks.push_back({mark.start + offset, mark.length});
    }
    return snippet;
}
