#pragma once

#include "app/CourseSearchRunner.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
struct SearchSnippet;

// «Поиск по курсу»: one field, the documents found listed as the student types (title and
// a snippet with the words marked, best first); Enter or a double click opens one. The
// index is brought up to date each time the window opens; documents that are missing or
// cannot be read are named at the bottom.
class CourseSearchWindow : public QWidget
{
    Q_OBJECT
public:
    // `listed` gives the documents the course refers to, for naming the missing ones.
    CourseSearchWindow(QWidget* parent, std::function<QStringList()> listed);
    ~CourseSearchWindow() override;

    // Shows the window, updates the index and selects the field's text.
    void openSearch();

    // The rich text of a result: the title, then the snippet with its marks (escaped).
    static QString resultHtml(const QString& title, const SearchSnippet& snippet);

    // A search is asked and its answer not yet shown (searches run off this thread).
    bool isSearching() const;

signals:
    // A result was chosen: its document (relative to the program folder) and the words
    // to highlight in it (as SearchWords::word() gives them).
    void documentChosen(const QString& document, const QStringList& highlight);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateIndex();
    void runSearch();
    void showAnswer(const CourseSearchRunner::Answer& answer);
    void showHits(const QVector<CourseIndex::Hit>& hits);
    void showSuggestion(const QString& suggestion);
    void openCurrent();
    void showSkipped(const QStringList& skipped);

    std::function<QStringList()> m_listed;
    std::shared_ptr<CourseIndex> m_index;
    CourseSearchRunner* m_runner;
    QString m_indexError;
    QLineEdit* m_field;
    QListWidget* m_results;
    QLabel* m_status;
    QLabel* m_skipped;
};
