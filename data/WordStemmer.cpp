#include "data/WordStemmer.h"

#include <libstemmer.h>

namespace {

enum class Script { Cyrillic, Latin, Other };

Script scriptOf(const QString& word)
{
    bool cyrillic = false;
    bool latin = false;
    for (const QChar c : word) {
        if (c >= u'а' && c <= u'я')
            cyrillic = true;
        else if (c >= u'a' && c <= u'z')
            latin = true;
        else
            return Script::Other;
    }
    if (cyrillic == latin)
        return Script::Other;
    return cyrillic ? Script::Cyrillic : Script::Latin;
}

} // namespace

void WordStemmer::Deleter::operator()(sb_stemmer* stemmer) const
{
    sb_stemmer_delete(stemmer);
}

WordStemmer::WordStemmer()
    : m_russian(sb_stemmer_new("russian", "UTF_8"))
    , m_english(sb_stemmer_new("english", "UTF_8"))
{
}

WordStemmer::~WordStemmer() = default;

QString WordStemmer::stem(const QString& foldedWord) const
{
    switch (scriptOf(foldedWord)) {
    case Script::Cyrillic:
        return run(m_russian.get(), foldedWord);
    case Script::Latin:
        return run(m_english.get(), foldedWord);
    case Script::Other:
        break;
    }
    return foldedWord;
}

// A stemmer that could not be made (out of memory) leaves words whole.
QString WordStemmer::run(sb_stemmer* stemmer, const QString& word)
{
    if (!stemmer)
        return word;
    const QByteArray bytes = word.toUtf8();
    const sb_symbol* stemmed = sb_stemmer_stem(stemmer, reinterpret_cast<const sb_symbol*>(bytes.constData()),
                                               static_cast<int>(bytes.size()));
    if (!stemmed)
        return word;
    return QString::fromUtf8(reinterpret_cast<const char*>(stemmed), sb_stemmer_length(stemmer));
}
