#include "data/SearchSnippet.h"

#include "data/SearchWords.h"

namespace {

const QChar kEllipsis(0x2026);

bool isWordChar(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isLetterOrNumber();
}

qsizetype wordEnd(const QString& text, qsizetype at)
{
    while (isWordChar(text, at))
        ++at;
    return at;
}

// Words of the folded text that begin with one of the stems, from `from` to `to`.
QVector<SearchSnippet::Mark> foundWords(const QString& folded, const QStringList& stems, qsizetype from, qsizetype to)
{
    QVector<SearchSnippet::Mark> marks;
    for (qsizetype at = from; at < to;) {
        if (!isWordChar(folded, at) || isWordChar(folded, at - 1)) {
            ++at;
            continue;
        }
        const qsizetype end = wordEnd(folded, at);
        const QStringView word = QStringView(folded).mid(at, end - at);
        for (const QString& stem : stems) {
            if (!stem.isEmpty() && word.startsWith(stem)) {
                marks.push_back({at, end - at});
                break;
            }
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
    const QString folded = SearchWords::fold(body);
    const QVector<Mark> all = foundWords(folded, stems, 0, folded.size());
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

    SearchSnippet snippet;
    const qsizetype offset = (start > 0 ? 1 : 0) - start;
    snippet.text = (start > 0 ? QString(kEllipsis) : QString()) + body.mid(start, end - start)
        + (end < body.size() ? QString(kEllipsis) : QString());
    for (const Mark& mark : all) {
        if (mark.start >= start && mark.start + mark.length <= end)
            snippet.marks.push_back({mark.start + offset, mark.length});
    }
    return snippet;
}
