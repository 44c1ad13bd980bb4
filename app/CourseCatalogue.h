#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class Connection;

// Where each document of the course belongs: a lecture or a laboratory work is opened in
// its browse mode with its topic chosen; the course documents and the manual in none.
// Read straight from the course database, so the table objects' current records, which
// the presentation button relies on, are not moved.
class CourseCatalogue
{
public:
    struct Place {
        int browseMode = 0; // 1 lectures, 3 laboratory works, 0 anything else
        QString topic;
        bool operator==(const Place&) const = default;
    };

    // Reads the lectures and the laboratory works. Throws DataError.
    void read(Connection& db);

    // The place of a document given relative to the program folder ("text/lec01.htm").
    Place placeOf(const QString& document) const;

    // Every document the program's menu and topic lists refer to.
    QStringList listedDocuments() const;

    // The course documents of the menu, in menu order.
    static const QStringList& courseDocuments();
    static QString manual() { return QStringLiteral("text/help.htm"); }

private:
    void readTopics(Connection& db, const char* table, int browseMode);

    QHash<QString, Place> m_places;
    QStringList m_topicDocuments;
};
