#pragma once

#include <QString>
#include <QStringList>

// Checks one HTML document of the course: valid UTF-8, a charset meta of utf-8, and every
// local href/src (with its #fragment) resolving to a file and an id inside the text root.
// Returns one readable line per problem; empty when the document is sound.
class HtmlLinkCheck {
public:
    explicit HtmlLinkCheck(const QString& textRoot);

    QStringList problems(const QString& documentPath) const;

private:
    // The ids (and anchor names) a document defines; empty set when it cannot be read.
    QStringList idsOf(const QString& documentPath) const;
    static bool isExternal(const QString& link);

    QString m_root;
};
