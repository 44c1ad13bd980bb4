#include "data/SearchWords.h"

#include "data/WordStemmer.h"

namespace {

// Shorter stems are too common a beginning: «пол» begins «полный», «получить», «польза».
constexpr qsizetype kShortestPrefix = 4;

template<typename Visit>
void forEachWord(QStringView text, Visit visit)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && SearchWords::isWordChar(text[i])
            && (start >= 0 || !text[i].isMark());
        if (inWord && start < 0)
            start = i;
        if (!inWord && start >= 0) {
            visit(text.mid(start, i - start));
            start = -1;
        }
    }
}

} // namespace

namespace SearchWords {

QString fold(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (const QChar c : text) {
        const QChar lower = c.toLower();
        *out++ = lower == u'ё' ? QChar(u'е') : lower;
    }
    return folded;
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

QString word(QStringView text)
{
    QString composed = text.toString().normalized(QString::NormalizationForm_C);
    composed.removeIf([](QChar c) { return c.isMark(); });
    return fold(composed);
}

QStringList words(QStringView text)
{
    QStringList result;
    forEachWord(text, [&](QStringView found) { result << word(found); });
    return result;
}

QString stem(const QString& foldedWord)
{
    return WordStemmer().stem(foldedWord);
}

QString indexText(QStringView text)
{
    const WordStemmer stemmer;
    QString result;
    result.reserve(text.size());
    forEachWord(text, [&](QStringView found) {
        if (!result.isEmpty())
            result += u' ';
        result += stemmer.stem(word(found));
    });
    return result;
}

QStringList stemsOf(QStringView typed)
{
    const WordStemmer stemmer;
    QStringList result;
    forEachWord(typed, [&](QStringView found) {
        const QString s = stemmer.stem(word(found));
        if (!s.isEmpty() && !result.contains(s))
            result << s;
    });
    return result;
}

bool matches(QStringView wordStem, QStringView typedStem)
{
    if (typedStem.isEmpty())
        return false;
    return typedStem.size() >= kShortestPrefix ? wordStem.startsWith(typedStem) : wordStem == typedStem;
}

QString matchExpression(const QStringList& stems)
{
    QStringList terms;
    for (const QString& s : stems) {
        const QString quoted = QStringLiteral("\"%1\"").arg(QString(s).replace(u'"', QStringLiteral("\"\"")));
        terms << (s.size() >= kShortestPrefix ? quoted + u'*' : quoted);
    }
    return terms.join(u' ');
}

} // namespace SearchWords
