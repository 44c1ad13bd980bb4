#include "admin/QuestionMarkup.h"

#include "data/HtmlText.h"

#include <QHash>

#include <optional>

namespace QuestionMarkup {

namespace {

// Stands for &nbsp; while lines are trimmed, so a space the author asked for stays.
constexpr char16_t kHardSpace = 0x00A0;

const QString kPicture = QStringLiteral("[рисунок]");

// Tags that end a line before and after them, as a browser draws them.
bool isBlock(const QString& tag)
{
    static const QStringList blocks = {
        QStringLiteral("p"),       QStringLiteral("div"),    QStringLiteral("li"),      QStringLiteral("ul"),
        QStringLiteral("ol"),      QStringLiteral("h1"),     QStringLiteral("h2"),      QStringLiteral("h3"),
        QStringLiteral("h4"),      QStringLiteral("h5"),     QStringLiteral("h6"),      QStringLiteral("tr"),
        QStringLiteral("table"),   QStringLiteral("blockquote"), QStringLiteral("pre"), QStringLiteral("hr"),
        QStringLiteral("dl"),      QStringLiteral("dt"),     QStringLiteral("dd"),      QStringLiteral("section"),
        QStringLiteral("article"), QStringLiteral("header"), QStringLiteral("footer"),  QStringLiteral("figure"),
        QStringLiteral("figcaption"), QStringLiteral("caption"), QStringLiteral("address"), QStringLiteral("center"),
    };
    return blocks.contains(tag);
}

// Reads one HTML text; every index it uses is checked against the text's size.
class HtmlReader
{
public:
    HtmlReader(const QString& html, bool keepLineEnds)
        : m_html(html)
        , m_keepLineEnds(keepLineEnds)
    {
    }

    QString read()
    {
        while (m_at < m_html.size()) {
            const QChar c = m_html.at(m_at);
            if (c == u'<' && startsMarkup())
                readMarkup();
            else if (c == u'&')
                readReference();
            else
                readCharacter(c);
        }
        return finished();
    }

    bool sawPicture() const { return m_pictures > 0; }

private:
    bool startsMarkup() const
    {
        if (m_at + 1 >= m_html.size())
            return false;
        const QChar next = m_html.at(m_at + 1);
        return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
    }

    void readCharacter(QChar c)
    {
        ++m_at;
        if (c == u'\r')
            return;
        if (m_pre > 0 || (m_keepLineEnds && c == u'\n')) {
            if (c == u'\n')
                lineBreak();
            else
                put(c);
        } else if (c.isSpace() && c != QChar(kHardSpace)) {
            m_space = true;
        } else {
            put(c);
        }
    }

    // Writes a character, first the line end or the space that waits before it.
    void put(QChar c)
    {
        const bool lineStart = m_out.isEmpty() || m_out.endsWith(u'\n');
        if (m_block && !lineStart)
            m_out += u'\n';
        else if (m_space && !m_block && !lineStart && !m_out.endsWith(u' '))
            m_out += u' ';
        m_block = false;
        m_space = false;
        if (c != QChar(0))
            m_out += c;
    }

    void lineBreak()
    {
        if (m_block && !m_out.isEmpty() && !m_out.endsWith(u'\n'))
            m_out += u'\n';
        m_out += u'\n';
        m_block = false;
        m_space = false;
    }

    // The index of the '>' that closes the tag from here, outside quoted values; -1 if none.
    qsizetype tagEnd(qsizetype from) const
    {
        QChar quote;
        for (qsizetype i = from; i < m_html.size(); ++i) {
            const QChar c = m_html.at(i);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                return i;
            }
        }
        return -1;
    }

    void readMarkup()
    {
        if (QStringView(m_html).mid(m_at, 4) == u"<!--") {
            const qsizetype end = m_html.indexOf(QStringLiteral("-->"), m_at + 4);
            m_at = end < 0 ? m_html.size() : end + 3;
            return;
        }
        const qsizetype end = tagEnd(m_at + 1);
        if (end < 0) {
            // A lone "<" in the text, such as "a <b" written by hand.
            ++m_at;
            put(u'<');
            return;
        }
        const bool closing = m_html.at(m_at + 1) == u'/';
        qsizetype nameEnd = m_at + (closing ? 2 : 1);
        while (nameEnd < end && m_html.at(nameEnd).isLetterOrNumber())
            ++nameEnd;
        const qsizetype nameStart = m_at + (closing ? 2 : 1);
        const QString tag = m_html.mid(nameStart, nameEnd - nameStart).toLower();
        m_at = end + 1;
        applyTag(tag, closing);
    }

    void applyTag(const QString& tag, bool closing)
    {
        if (tag == u"br") {
            lineBreak();
        } else if (tag == u"img" && !closing) {
            ++m_pictures;
            for (const QChar c : kPicture)
                put(c);
        } else if ((tag == u"script" || tag == u"style") && !closing) {
            const qsizetype end = m_html.indexOf(QStringLiteral("</") + tag, m_at, Qt::CaseInsensitive);
            const qsizetype close = end < 0 ? -1 : tagEnd(end);
            m_at = close < 0 ? m_html.size() : close + 1;
        } else if (tag == u"td" || tag == u"th") {
            m_space = true;
        } else if (isBlock(tag)) {
            if (tag == u"pre")
                m_pre = qMax(0, m_pre + (closing ? -1 : 1));
            m_block = true;
        }
    }

    void readReference()
    {
        const qsizetype semicolon = m_html.indexOf(u';', m_at + 1);
        std::optional<QChar> decoded;
        if (semicolon > m_at + 1 && semicolon - m_at <= 10) {
            const QString name = m_html.mid(m_at + 1, semicolon - m_at - 1);
            decoded = name.startsWith(u'#') ? numeric(name.mid(1)) : named(name);
        }
        if (!decoded) {
            ++m_at;
            put(u'&');
            return;
        }
        m_at = semicolon + 1;
        if (*decoded == u'\n')
            lineBreak();
        else
            put(*decoded);
    }

    static std::optional<QChar> named(const QString& name)
    {
        const std::optional<char16_t> found = HtmlText::namedReference(name);
        if (!found)
            return std::nullopt;
        return QChar(*found);
    }

    // Characters beyond the first plane and control codes are not question text.
    static std::optional<QChar> numeric(const QString& digits)
    {
        bool ok = false;
        const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
        const uint code = hex ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        if (code == 9 || code == 10)
            return QChar(char16_t(code));
        if (code == 160)
            return QChar(kHardSpace);
        if (code < 32 || code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QChar(0xFFFD);
        return QChar(char16_t(code));
    }

    QString finished() const
    {
        QStringList lines = m_out.split(u'\n');
        for (QString& line : lines) {
            qsizetype first = 0, last = line.size();
            while (first < last && line.at(first) == u' ')
                ++first;
            while (last > first && line.at(last - 1) == u' ')
                --last;
            line = line.mid(first, last - first);
            line.replace(QChar(kHardSpace), u' ');
        }
        while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
            lines.removeLast();
        return lines.join(u'\n');
    }

    const QString& m_html;
    const bool m_keepLineEnds;
    qsizetype m_at = 0;
    QString m_out;
    bool m_space = false;  // white space seen since the last character
    bool m_block = false;  // a block ended or began since the last character
    int m_pre = 0;
    int m_pictures = 0;
};

struct Marker {
    const char16_t* text;
    Format format;
};

const Marker kMarkers[] = {
    {u"[html]", Format::Html},
    {u"[moodle]", Format::Auto},
    {u"[plain]", Format::Plain},
    {u"[markdown]", Format::Markdown},
};

} // namespace

Format takeMarker(QString& text, Format fallback, QStringList& changes)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    for (const Marker& marker : kMarkers) {
        const QString name = QString::fromUtf16(marker.text);
        if (QStringView(text).mid(start).startsWith(name, Qt::CaseInsensitive)) {
            text.remove(0, start + name.size());
            addChanges(changes, {QStringLiteral("убрана метка %1").arg(name)});
            return marker.format;
        }
    }
    return fallback;
}

bool startsWithMarker(const QString& text)
{
    QString copy = text;
    QStringList changes;
    takeMarker(copy, Format::Plain, changes);
    return !changes.isEmpty();
}

Converted toPlain(const QString& text, Format format)
{
    Converted converted;
    if (format == Format::Plain || format == Format::Markdown) {
        // A carriage return would split the stored question where the text has none.
        converted.text = text.trimmed();
        converted.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        converted.text.replace(u'\r', u'\n');
        return converted;
    }
    HtmlReader reader(text, format == Format::Auto);
    converted.text = reader.read();
    if (converted.text != text.trimmed())
        converted.changes << QStringLiteral("HTML превращён в текст");
    if (reader.sawPicture())
        converted.changes << QStringLiteral("рисунок заменён на «%1»").arg(kPicture);
    return converted;
}

Converted fromMarked(const QString& text, Format fallback)
{
    QString rest = text;
    QStringList changes;
    const Format format = takeMarker(rest, fallback, changes);
    Converted converted = toPlain(rest, format);
    changes << converted.changes;
    converted.changes = changes;
    return converted;
}

void addChanges(QStringList& into, const QStringList& changes)
{
    for (const QString& change : changes) {
        if (!into.contains(change))
            into << change;
    }
}

QString toHtml(const QString& text)
{
    QString html;
    html.reserve(text.size() + text.size() / 8);
    const QStringList lines = text.split(u'\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        if (l > 0)
            html += QStringLiteral("<br>");
        const QString& line = lines.at(l);
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            switch (c.unicode()) {
            case u'&': html += QStringLiteral("&amp;"); break;
            case u'<': html += QStringLiteral("&lt;"); break;
            case u'>': html += QStringLiteral("&gt;"); break;
            case u'"': html += QStringLiteral("&quot;"); break;
            case u'\t': html += QStringLiteral("&#9;"); break;
            case u'\r': break;
            case u' ':
                // HTML joins runs of spaces and drops them at line ends.
                if (i == 0 || i + 1 == line.size() || line.at(i - 1) == u' ')
                    html += QStringLiteral("&nbsp;");
                else
                    html += u' ';
                break;
            case kHardSpace: html += QStringLiteral("&nbsp;"); break;
            default:
                // Control characters have no place in an XML file, not even as references.
                if (c.unicode() >= 0x20)
                    html += c;
            }
        }
    }
    return html;
}

} // namespace QuestionMarkup
