#pragma once

#include <QString>
#include <QStringList>

// Question texts written for web-based test systems arrive marked up: a leading format
// marker ("[html]", "[moodle]", "[plain]", "[markdown]") and, for HTML, tags, comments and
// character references. The bank holds the plain text the test windows show, so every text
// is turned into that, and what was changed on the way is told in words for the preview.
namespace QuestionMarkup {

enum class Format {
    Plain,     // as written
    Html,      // markup; white space runs on, only <p>, <br> and the like break lines
    Auto,      // HTML allowed, and line ends of the source stay line ends
    Markdown,  // kept as written: its marks read well enough as text
};

struct Converted {
    QString text;
    QStringList changes;  // what was done, in Russian, for the preview; empty when nothing
};

// Takes a leading marker off the text; returns the format it names, or `fallback`.
Format takeMarker(QString& text, Format fallback, QStringList& changes);

// The text as the test windows show it. HTML paragraphs and <br> become line ends,
// references are decoded, tags and comments dropped, pictures become «[рисунок]»; lines
// are trimmed and blank lines at both ends dropped.
Converted toPlain(const QString& text, Format format);

// A format marker if there is one, then the text in that format.
Converted fromMarked(const QString& text, Format fallback);

// Whether the text, after white space, starts with one of the markers.
bool startsWithMarker(const QString& text);

// Adds the changes that are not listed yet.
void addChanges(QStringList& into, const QStringList& changes);

// Plain text as HTML that toPlain reads back to the same text: special characters as
// references, line ends as <br>, spaces that HTML would swallow as &nbsp;.
QString toHtml(const QString& text);

} // namespace QuestionMarkup
