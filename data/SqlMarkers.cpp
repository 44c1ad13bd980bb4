#include "data/SqlMarkers.h"

#include <QRegularExpression>

namespace SqlMarkers {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

class Translator
{
public:
    Translator(const QString& sql, SqlDialect dialect)
        : m_sql(sql)
        , m_server(dialect == SqlDialect::Server)
    {
    }

    EngineText run()
    {
        while (m_at < m_sql.size()) {
            const QChar c = m_sql.at(m_at);
            if (c == u'\'' || c == u'"')
                copyQuoted(c, c);
            else if (c == u'[')
                requote(u']');
            else if (c == u'`')
                requote(u'`');
            else if (c == u'?')
                marker(QString(), 1);
            else if (c == u':' && startsNamedMarker())
                namedMarker();
            else
                m_plain += m_sql.at(m_at++);
        }
        flushPlain();
        return {m_out, m_markers};
    }

private:
    void flushPlain()
    {
        static const QRegularExpression jetDelete(QStringLiteral("\\bDELETE\\s+\\*\\s*FROM\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        m_out += m_plain.replace(jetDelete, QStringLiteral("DELETE FROM"));
        m_plain.clear();
    }

    // A quoted literal or name, up to its closing quote (a doubled quote stays inside).
    void copyQuoted(QChar open, QChar close)
    {
        flushPlain();
        const qsizetype end = closingAt(close);
        m_out += open + m_sql.mid(m_at + 1, end - m_at - 1) + (end < m_sql.size() ? QString(close) : QString());
        m_at = end + 1;
    }

    // [name] and `name`: the file engine takes them as they are; the server takes "name".
    void requote(QChar close)
    {
        if (!m_server) {
            copyQuoted(m_sql.at(m_at), close);
            return;
        }
        flushPlain();
        const qsizetype end = closingAt(close);
        QString name = m_sql.mid(m_at + 1, end - m_at - 1);
        if (close == u'`')
            name.replace(QStringLiteral("``"), QStringLiteral("`"));
        name.replace(u'"', QStringLiteral("\"\""));
        m_out += u'"' + name + u'"';
        m_at = end + 1;
    }

    qsizetype closingAt(QChar close) const
    {
        qsizetype at = m_at + 1;
        while (at < m_sql.size()) {
            if (m_sql.at(at) == close) {
                const bool doubled = close != u']' && at + 1 < m_sql.size() && m_sql.at(at + 1) == close;
                if (!doubled)
                    return at;
                ++at;
            }
            ++at;
        }
        return m_sql.size();
    }

    bool startsNamedMarker() const
    {
        const bool afterColon = m_at > 0 && m_sql.at(m_at - 1) == u':';
        return !afterColon && m_at + 1 < m_sql.size() && isNameStart(m_sql.at(m_at + 1));
    }

    void namedMarker()
    {
        qsizetype end = m_at + 1;
        while (end < m_sql.size() && isNamePart(m_sql.at(end)))
            ++end;
        marker(m_sql.mid(m_at, end - m_at), end - m_at);
    }

    void marker(const QString& name, qsizetype length)
    {
        flushPlain();
        m_markers.append(name);
        m_out += m_server ? u'$' + QString::number(m_markers.size()) : QStringLiteral("?");
        m_at += length;
    }

    const QString& m_sql;
    const bool m_server;
    qsizetype m_at = 0;
    QString m_plain;
    QString m_out;
    QStringList m_markers;
};

} // namespace

EngineText translate(const QString& sql, SqlDialect dialect)
{
    return Translator(sql, dialect).run();
}

} // namespace SqlMarkers
