#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The readable text of an HTML document: its title and the words of its body, with tags,
// comments, scripts, styles and navigation bars left out, character references decoded
// and runs of white space made one space. Any bytes are accepted; nothing here throws.
struct HtmlText
{
    QString title;
    QString body;

    // Decodes the bytes (a byte-order mark, then the charset the document declares, then
    // UTF-8 if the bytes are valid UTF-8, else Windows-1251) and reads them.
    static HtmlText fromBytes(const QByteArray& bytes);
    static HtmlText fromHtml(const QString& html);
    // The bytes as text, decoded as fromBytes does.
    static QString decode(const QByteArray& bytes);
    // The character a named reference stands for ("amp" gives '&', "nbsp" U+00A0, "shy" 0),
    // the one table both HTML readers use; nothing for a name it does not know.
    static std::optional<char16_t> namedReference(const QString& name);
};
