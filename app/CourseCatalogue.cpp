#include "app/CourseCatalogue.h"

#include "data/Connection.h"
#include "data/Statements.h"

void CourseCatalogue::read(Connection& db)
{
    m_places.clear();
    m_topicDocuments.clear();
    readTopics(db, "temi", 1);
    readTopics(db, "lab", 3);
}

// The first topic (in the table's order) that names a document is its place.
void CourseCatalogue::readTopics(Connection& db, const char* table, int browseMode)
{
    for (const QVector<QVariant>& row : db.execute(Statements::selectTopicDocuments(QLatin1String(table))).rows) {
        const QVariant name = row.at(0);
        const QVariant file = row.at(1);
        if (name.isNull() || file.isNull())
            continue;
        const QString document = QStringLiteral("text/") + file.toString();
        if (!m_places.contains(document)) {
            m_places.insert(document, {browseMode, name.toString()});
            m_topicDocuments << document;
        }
    }
}

CourseCatalogue::Place CourseCatalogue::placeOf(const QString& document) const
{
    return m_places.value(document);
}

QStringList CourseCatalogue::listedDocuments() const
{
    return courseDocuments() + QStringList{manual()} + m_topicDocuments;
}

const QStringList& CourseCatalogue::courseDocuments()
{
    static const QStringList documents = {
        QStringLiteral("text/umkd/about.htm"),   QStringLiteral("text/umkd/silabus.htm"),
        QStringLiteral("text/umkd/plan_pr.htm"), QStringLiteral("text/umkd/plan_lab.htm"),
        QStringLiteral("text/umkd/srsp.htm"),    QStringLiteral("text/umkd/rubezh.htm"),
        QStringLiteral("text/umkd/ekz_vopr.htm"), QStringLiteral("text/umkd/litra.htm"),
    };
    return documents;
}
