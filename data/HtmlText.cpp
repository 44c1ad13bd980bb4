#include "data/HtmlText.h"

#include <QHash>
#include <QStringDecoder>

#include <cctype>
#include <optional>

namespace {

constexpr char16_t kHardSpace = 0x00A0;

// Windows-1251, bytes 0x80 to 0xFF; 0x98 is not assigned and stays a replacement mark.
const char16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

QString fromCp1251(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code < 0x80 ? QChar(code) : QChar(kCp1251High[code - 0x80]);
    }
    return text;
}

// The charset named in the first kilobyte, lower case, or empty.
QByteArray declaredCharset(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(1024).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0)
        return {};
    qsizetype start = at + 8;
    while (start < head.size() && (head[start] == '"' || head[start] == '\'' || head[start] == ' '))
        ++start;
    qsizetype end = start;
    while (end < head.size() && (std::isalnum(static_cast<unsigned char>(head[end])) || head[end] == '-' || head[end] == '_'))
        ++end;
    return head.mid(start, end - start);
}

bool isWindows1251(const QByteArray& charset)
{
    return charset == "windows-1251" || charset == "cp1251" || charset == "x-cp1251";
}

QString decodeUtf8(const QByteArray& bytes, bool* valid)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    *valid = !decoder.hasError();
    return text;
}

// The tags after which the words of the text do not run on.
bool breaksWords(const QString& tag)
{
    static const QStringList blocks = {
        QStringLiteral("p"),       QStringLiteral("br"),     QStringLiteral("div"),   QStringLiteral("h1"),
        QStringLiteral("h2"),      QStringLiteral("h3"),     QStringLiteral("h4"),    QStringLiteral("h5"),
        QStringLiteral("h6"),      QStringLiteral("li"),     QStringLiteral("tr"),    QStringLiteral("td"),
        QStringLiteral("th"),      QStringLiteral("table"),  QStringLiteral("ul"),    QStringLiteral("ol"),
        QStringLiteral("dl"),      QStringLiteral("dt"),     QStringLiteral("dd"),    QStringLiteral("section"),
        QStringLiteral("header"),  QStringLiteral("footer"), QStringLiteral("main"),  QStringLiteral("article"),
        QStringLiteral("pre"),     QStringLiteral("blockquote"), QStringLiteral("hr"), QStringLiteral("caption"),
        QStringLiteral("figure"),  QStringLiteral("figcaption"), QStringLiteral("img"), QStringLiteral("body"),
    };
    return blocks.contains(tag);
}

// Longer titles are cut: a result row shows one line of it.
constexpr qsizetype kTitleLength = 200;

// Reads one document; every index it uses is checked against the text's size.
class Reader
{
public:
    explicit Reader(const QString& html) : m_html(html) {}

    HtmlText read()
    {
        while (m_at < m_html.size()) {
            const QChar c = m_html[m_at];
            if (c == u'<' && startsMarkup())
                readMarkup();
            else if (c == u'&')
                appendText(readReference());
            else
                appendRun();
        }
        return cutTitle(simplified(m_title), simplified(m_body));
    }

private:
    bool startsMarkup() const
    {
        if (m_at + 1 >= m_html.size())
            return false;
        const QChar next = m_html[m_at + 1];
        return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
    }

    bool startsWithAt(qsizetype at, QStringView what) const
    {
        return QStringView(m_html).mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
    }

    // Moves past the first `what` from here on, or to the end.
    void skipPast(QStringView what)
    {
        const qsizetype found = m_html.indexOf(what, m_at, Qt::CaseInsensitive);
        m_at = found < 0 ? m_html.size() : found + what.size();
    }

    void readMarkup()
    {
        if (startsWithAt(m_at, u"<!--")) {
            m_at += 4;
            skipPast(u"-->");
            return;
        }
        const bool closing = m_html[m_at + 1] == u'/';
        qsizetype nameStart = m_at + (closing ? 2 : 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < m_html.size() && (m_html[nameEnd].isLetterOrNumber()))
            ++nameEnd;
        const QString tag = m_html.mid(nameStart, nameEnd - nameStart).toLower();
        m_at = nameEnd;
        skipPast(u">");
        // A title ends at the first tag whatever it is, so one never closed cannot swallow
        // the document.
        const bool endsTitle = m_inTitle;
        m_inTitle = false;
        if (closing) {
            if (tag == u"title" && endsTitle)
                return;
            if (breaksWords(tag))
                m_body += u' ';
            return;
        }
        if (tag == u"script" || tag == u"style" || tag == u"nav" || tag == u"template") {
            skipPast(QString(QStringLiteral("</") + tag));
            skipPast(u">");
        } else if (tag == u"title") {
            m_inTitle = true;
        } else if (breaksWords(tag)) {
            m_body += u' ';
        }
    }

    // A character reference, or the ampersand itself when it is none.
    QString readReference()
    {
        const qsizetype semicolon = m_html.indexOf(u';', m_at + 1);
        if (semicolon < 0 || semicolon - m_at > 12) {
            ++m_at;
            return QStringLiteral("&");
        }
        const QString name = m_html.mid(m_at + 1, semicolon - m_at - 1);
        std::optional<QString> decoded = name.startsWith(u'#') ? numericReference(name.mid(1)) : namedReference(name);
        if (!decoded) {
            ++m_at;
            return QStringLiteral("&");
        }
        m_at = semicolon + 1;
        return *decoded;
    }

    static std::optional<QString> numericReference(const QString& digits)
    {
        bool ok = false;
        const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
        const uint code = hex ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QString(QChar(0xFFFD));
        const char32_t point = code;
        return QString::fromUcs4(&point, 1);
    }

    static std::optional<QString> namedReference(const QString& name)
    {
        const std::optional<char16_t> found = HtmlText::namedReference(name);
        if (!found)
            return std::nullopt;
        // A hard space reads as a plain one here: the words run on as a browser shows them.
        const char16_t c = *found == kHardSpace ? u' ' : *found;
        return c == u'\0' ? QString() : QString(QChar(c));
    }

    // Plain text up to the next markup or reference; a lone '<' is text.
    void appendRun()
    {
        qsizetype end = m_at + 1;
        while (end < m_html.size() && m_html[end] != u'<' && m_html[end] != u'&')
            ++end;
        appendText(QStringView(m_html).mid(m_at, end - m_at));
        m_at = end;
    }

    // A title is one line: what follows its line end is body.
    void appendText(QStringView text)
    {
        if (!m_inTitle) {
            m_body += text;
            return;
        }
        qsizetype lineEnd = 0;
        while (lineEnd < text.size() && text[lineEnd] != u'\n' && text[lineEnd] != u'\r')
            ++lineEnd;
        m_title += text.first(lineEnd);
        if (lineEnd < text.size()) {
            m_inTitle = false;
            m_body += u' ';
            m_body += text.sliced(lineEnd);
        }
    }

    // What is cut off a long title (at a space where there is one) stays searchable.
    static HtmlText cutTitle(const QString& title, const QString& body)
    {
        if (title.size() <= kTitleLength)
            return {title, body};
        qsizetype cut = title.lastIndexOf(u' ', kTitleLength);
        if (cut <= 0)
            cut = kTitleLength;
        return {title.left(cut), simplified(title.mid(cut) + u' ' + body)};
    }

    static QString simplified(const QString& text)
    {
        return text.simplified();
    }

    const QString& m_html;
    qsizetype m_at = 0;
    bool m_inTitle = false;
    QString m_title;
    QString m_body;
};

} // namespace

QString HtmlText::decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringDecoder::Utf8).decode(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    if (isWindows1251(declaredCharset(bytes)))
        return fromCp1251(bytes);
    bool valid = false;
    QString text = decodeUtf8(bytes, &valid);
    return valid ? text : fromCp1251(bytes);
}

HtmlText HtmlText::fromHtml(const QString& html)
{
    return Reader(html).read();
}

HtmlText HtmlText::fromBytes(const QByteArray& bytes)
{
    return fromHtml(decode(bytes));
}

std::optional<char16_t> HtmlText::namedReference(const QString& name)
{
    static const QHash<QString, char16_t> table = {
        {QStringLiteral("amp"), u'&'},    {QStringLiteral("lt"), u'<'},     {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},   {QStringLiteral("apos"), u'\''},  {QStringLiteral("nbsp"), kHardSpace},
        {QStringLiteral("laquo"), u'«'},  {QStringLiteral("raquo"), u'»'},  {QStringLiteral("mdash"), u'—'},
        {QStringLiteral("ndash"), u'–'},  {QStringLiteral("hellip"), u'…'}, {QStringLiteral("copy"), u'©'},
        {QStringLiteral("times"), u'×'},  {QStringLiteral("minus"), u'−'},  {QStringLiteral("rarr"), u'→'},
        {QStringLiteral("larr"), u'←'},   {QStringLiteral("harr"), u'↔'},   {QStringLiteral("rArr"), u'⇒'},
        {QStringLiteral("bull"), u'•'},   {QStringLiteral("middot"), u'·'}, {QStringLiteral("le"), u'≤'},
        {QStringLiteral("ge"), u'≥'},     {QStringLiteral("ne"), u'≠'},     {QStringLiteral("deg"), u'°'},
        {QStringLiteral("sect"), u'§'},   {QStringLiteral("numero"), u'№'}, {QStringLiteral("plusmn"), u'±'},
        {QStringLiteral("thinsp"), u' '}, {QStringLiteral("ensp"), u' '},   {QStringLiteral("emsp"), u' '},
        {QStringLiteral("ldquo"), u'“'},  {QStringLiteral("rdquo"), u'”'},  {QStringLiteral("bdquo"), u'„'},
        {QStringLiteral("lsquo"), u'‘'},  {QStringLiteral("rsquo"), u'’'},  {QStringLiteral("sup2"), u'²'},
        {QStringLiteral("sup3"), u'³'},   {QStringLiteral("frac12"), u'½'}, {QStringLiteral("infin"), u'∞'},
        {QStringLiteral("alpha"), u'α'},  {QStringLiteral("beta"), u'β'},   {QStringLiteral("pi"), u'π'},
        {QStringLiteral("sum"), u'∑'},    {QStringLiteral("euro"), u'€'},   {QStringLiteral("shy"), 0},
    };
    const auto found = table.constFind(name);
    if (found == table.cend())
        return std::nullopt;
    return *found;
}
