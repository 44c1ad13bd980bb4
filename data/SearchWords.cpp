#include "data/SearchWords.h"

#include <algorithm>
#include <initializer_list>

namespace {

using Endings = std::initializer_list<const char16_t*>;

// Russian inflection, by the kind of word. Endings of a "group 1" count only after "а" or
// "я", which stay with the stem.
const Endings kGerund1 = {u"в", u"вши", u"вшись"};
const Endings kGerund2 = {u"ив", u"ивши", u"ившись", u"ыв", u"ывши", u"ывшись"};
const Endings kAdjective = {u"ее", u"ие", u"ые", u"ое", u"ими", u"ыми", u"ей", u"ий", u"ый", u"ой", u"ем", u"им", u"ым",
                            u"ом", u"его", u"ого", u"ему", u"ому", u"их", u"ых", u"ую", u"юю", u"ая", u"яя", u"ою", u"ею"};
const Endings kParticiple1 = {u"ем", u"нн", u"вш", u"ющ", u"щ"};
const Endings kParticiple2 = {u"ивш", u"ывш", u"ующ"};
const Endings kReflexive = {u"ся", u"сь"};
const Endings kVerb1 = {u"ла", u"на", u"ете", u"йте", u"ли", u"й", u"л", u"ем", u"н", u"ло", u"но", u"ет", u"ют",
                        u"ны", u"ть", u"ешь", u"нно"};
const Endings kVerb2 = {u"ила", u"ыла", u"ена", u"ейте", u"уйте", u"ите", u"или", u"ыли", u"ей", u"уй", u"ил", u"ыл",
                        u"им", u"ым", u"ен", u"ило", u"ыло", u"ено", u"ят", u"ует", u"уют", u"ит", u"ыт", u"ены",
                        u"ить", u"ыть", u"ишь", u"ую", u"ю"};
const Endings kNoun = {u"а", u"ев", u"ов", u"ие", u"ье", u"е", u"иями", u"ями", u"ами", u"еи", u"ии", u"и", u"ией",
                       u"ей", u"ой", u"ий", u"й", u"иям", u"ям", u"ием", u"ем", u"ам", u"ом", u"о", u"у", u"ах",
                       u"иях", u"ях", u"ы", u"ь", u"ию", u"ью", u"ю", u"ия", u"ья", u"я"};
const Endings kSuperlative = {u"ейш", u"ейше"};
const Endings kDerivational = {u"ост", u"ость"};

bool isVowel(QChar c)
{
    return QStringView(u"аеиоуыэюя").contains(c);
}

// The word being stemmed and the start of the part where endings may be taken off: after
// the first vowel (and, for derivational endings, further on).
class Stemmer
{
public:
    explicit Stemmer(const QString& word)
        : m_word(word)
    {
        m_rv = afterVowel(0);
        m_r2 = afterVowelThenConsonant(afterVowelThenConsonant(0));
    }

    QString run()
    {
        if (m_rv > m_word.size())
            return m_word;
        if (!removeGrouped(kGerund1, kGerund2)) {
            removeLongest(kReflexive);
            if (removeLongest(kAdjective))
                removeGrouped(kParticiple1, kParticiple2);
            else if (!removeGrouped(kVerb1, kVerb2))
                removeLongest(kNoun);
        }
        removeLongest({u"и"});
        removeLongest(kDerivational, m_r2);
        if (removeLongest(kSuperlative))
            undoubleN();
        else if (!undoubleN())
            removeLongest({u"ь"});
        return m_word;
    }

private:
    qsizetype afterVowel(qsizetype from) const
    {
        for (qsizetype i = from; i < m_word.size(); ++i) {
            if (isVowel(m_word[i]))
                return i + 1;
        }
        return m_word.size() + 1;
    }

    qsizetype afterVowelThenConsonant(qsizetype from) const
    {
        for (qsizetype i = from + 1; i < m_word.size(); ++i) {
            if (isVowel(m_word[i - 1]) && !isVowel(m_word[i]))
                return i + 1;
        }
        return m_word.size() + 1;
    }

    // The longest of the endings that lies in the part from `region` on.
    qsizetype longest(const Endings& endings, qsizetype region) const
    {
        qsizetype best = 0;
        for (const char16_t* ending : endings) {
            const QStringView view(ending);
            if (view.size() > best && m_word.size() - view.size() >= region && m_word.endsWith(view))
                best = view.size();
        }
        return best;
    }

    bool removeLongest(const Endings& endings, qsizetype region = -1)
    {
        const qsizetype length = longest(endings, region < 0 ? m_rv : region);
        m_word.chop(length);
        return length > 0;
    }

    // Group 1 endings after "а" or "я" in the region, or group 2 endings; the longer wins.
    bool removeGrouped(const Endings& first, const Endings& second)
    {
        qsizetype one = longest(first, m_rv + 1);
        if (one > 0) {
            const QChar before = m_word[m_word.size() - one - 1];
            if (before != u'а' && before != u'я')
                one = 0;
        }
        const qsizetype length = std::max(one, longest(second, m_rv));
        m_word.chop(length);
        return length > 0;
    }

    bool undoubleN()
    {
        if (m_word.size() - 2 < m_rv || !m_word.endsWith(u"нн"))
            return false;
        m_word.chop(1);
        return true;
    }

    QString m_word;
    qsizetype m_rv = 0;
    qsizetype m_r2 = 0;
};

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

QStringList words(QStringView text)
{
    QStringList result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && text[i].isLetterOrNumber();
        if (inWord && start < 0)
            start = i;
        if (!inWord && start >= 0) {
            result << fold(text.mid(start, i - start));
            start = -1;
        }
    }
    return result;
}

QString stem(const QString& foldedWord)
{
    if (foldedWord.isEmpty() || !QStringView(u"абвгдежзийклмнопрстуфхцчшщъыьэюя").contains(foldedWord.back()))
        return foldedWord;
    return Stemmer(foldedWord).run();
}

QStringList stemsOf(QStringView typed)
{
    QStringList result;
    for (const QString& word : words(typed)) {
        const QString s = stem(word);
        if (!result.contains(s))
            result << s;
    }
    return result;
}

QString matchExpression(const QStringList& stems)
{
    QStringList terms;
    for (const QString& s : stems)
        terms << QStringLiteral("\"%1\"*").arg(QString(s).replace(u'"', QStringLiteral("\"\"")));
    return terms.join(u' ');
}

} // namespace SearchWords
