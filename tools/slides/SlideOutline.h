#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <stdexcept>

// One slide of a deck: a title and its items in outline order.
struct SlideItem {
    enum class Kind { Bullet, Code };
    Kind kind = Kind::Bullet;
    QString text;
};

struct Slide {
    QString title;
    QVector<SlideItem> items;
};

// A syntax error in an outline, already carrying "file:line: message".
class OutlineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A slide outline, one item per line:
//   # Deck title        (the first non-blank line, once)
//   ## Slide title
//   - bullet
//       code line       (four leading spaces, kept verbatim after them)
// Blank lines are ignored; anything else is an error with file and line.
class SlideOutline {
public:
    // Parses the text; fileName is used only in error messages. Throws OutlineError.
    static SlideOutline parse(const QString& text, const QString& fileName);
    // Reads and parses a UTF-8 file. Throws OutlineError, also when the file cannot be read.
    static SlideOutline readFile(const QString& path);

    QString title() const { return m_title; }
    const QVector<Slide>& slides() const { return m_slides; }

private:
    QString m_title;
    QVector<Slide> m_slides;
};
