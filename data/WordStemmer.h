#pragma once

#include <QString>

#include <memory>

struct sb_stemmer;

// The Snowball stemmers for Russian and English words. One object is not to be shared
// between threads; make one per task (a search, an index build).
class WordStemmer
{
public:
    WordStemmer();
    ~WordStemmer();
    WordStemmer(const WordStemmer&) = delete;
    WordStemmer& operator=(const WordStemmer&) = delete;

    // The stem of a folded word: Cyrillic words by the Russian rules, Latin ones by the
    // English rules, anything else (digits, mixed scripts) as it is.
    QString stem(const QString& foldedWord) const;

private:
    struct Deleter {
        void operator()(sb_stemmer* stemmer) const;
    };
    using Handle = std::unique_ptr<sb_stemmer, Deleter>;

    static QString run(sb_stemmer* stemmer, const QString& word);

    Handle m_russian;
    Handle m_english;
};
