#pragma once

#include <QObject>
#include <QStringList>

class QWebEngineView;

// Marks whole words in the document a course search opened: the word forms the search
// found there, not every text that contains them («ключ» leaves «включает» alone). Words
// are compared as SearchWords::word() folds them; the first one is scrolled into view.
class WordHighlight : public QObject
{
    Q_OBJECT
public:
    explicit WordHighlight(QWebEngineView* view);

    // Marks the words in the document being loaded once it is there; empty marks none.
    void markAfterLoading(const QStringList& words);

    // The page script that marks the words and returns how many it marked.
    static QString script(const QStringList& words);

signals:
    // The number of words marked in the document just loaded.
    void marked(int count);

private:
    QWebEngineView* m_view;
    QStringList m_words;
};
