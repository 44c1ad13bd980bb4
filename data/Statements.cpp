#include "data/Statements.h"

#include <QRegularExpression>

namespace Statements {

namespace {

QString number(qint64 value)
{
    return QString::number(value);
}

} // namespace

QString quoteText(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

QString selectTopicsByNumber()
{
    return QStringLiteral("select * from temi order by nom");
}

QString markTopic(const QString& name, bool marked)
{
    return QStringLiteral("UPDATE temi SET [check] = ") + (marked ? u'1' : u'0')
        + QStringLiteral(" WHERE name=") + quoteText(name);
}

QString insertTopic(const QString& fileName, const QString& name)
{
    return QStringLiteral("insert into temi (file_name, name) values (") + quoteText(fileName)
        + u',' + quoteText(name) + u')';
}

QString deleteTopic(const QString& name)
{
    return QStringLiteral("DELETE * FROM temi WHERE name = ") + quoteText(name);
}

QString selectQuestionIds()
{
    return QStringLiteral("select id from questions");
}

QString selectQuestionWithKey(qint64 id)
{
    return QStringLiteral("SELECT questions.question, keys.key FROM questions, keys WHERE questions.id=")
        + number(id) + QStringLiteral(" and keys.id=") + number(id);
}

QString updateQuestionText(qint64 id, const QString& text)
{
    return QStringLiteral("update questions set [question]=") + quoteText(text)
        + QStringLiteral("  WHERE id=") + number(id);
}

QString updateKey(qint64 id, const QString& letter)
{
    return QStringLiteral("update keys set [key]=") + quoteText(letter) + QStringLiteral("  WHERE id=")
        + number(id);
}

QString deleteQuestion(qint64 id)
{
    return QStringLiteral("delete * FROM questions WHERE id=") + number(id);
}

QString deleteKey(qint64 id)
{
    return QStringLiteral("delete * FROM keys WHERE id=") + number(id);
}

QString selectLargestQuestionId()
{
    return QStringLiteral("SELECT max(id) AS m FROM questions");
}

QString insertKey(qint64 id, const QString& letter)
{
    return QStringLiteral("insert into keys(id,[key]) values(") + number(id) + u',' + quoteText(letter)
        + u')';
}

QString insertQuestion(qint64 id, const QString& text)
{
    return QStringLiteral("insert into questions(question,id) values(") + quoteText(text) + u','
        + number(id) + u')';
}

QString countQuestions()
{
    return QStringLiteral("select count(id) as m from questions");
}

QString updateParameters(qint32 minutes, qint32 count)
{
    return QStringLiteral("update params set vrem=") + number(minutes) + QStringLiteral(",kolvo=")
        + number(count) + QStringLiteral(" where identifikator=1");
}

QString deleteAllResults()
{
    return QStringLiteral("delete * from rezult");
}

QString selectResultsForGrid()
{
    return QStringLiteral("select fio as Имя, gruppa as Группа, procent as Процент, "
                          "vrem_nachala as Начало, vrem_okonchaniya as Окончание from rezult");
}

QString selectPassword()
{
    return QStringLiteral("select pas from params where identifikator=1");
}

QString updatePassword()
{
    return QStringLiteral("update params set pas=:par where identifikator=1");
}

bool isDigitsOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString selectParameters()
{
    return QStringLiteral("select * from params where identifikator=1");
}

QString selectQuestionByParameter()
{
    return QStringLiteral("select * from questions where id=(:par)");
}

QString selectKeyByParameter()
{
    return QStringLiteral("select key from keys where id=(:par)");
}

QString insertTimedResult(const QString& fio, const QString& gruppa, const QString& procent,
                          const QString& started, const QString& finished)
{
    const QStringList values = {quoteText(fio), quoteText(gruppa), quoteText(procent),
                                quoteText(started), quoteText(finished)};
    return QStringLiteral("insert into rezult (fio,gruppa,procent,vrem_nachala,vrem_okonchaniya) values (")
        + values.join(u',') + u')';
}

// Only text outside quoted literals and quoted names is rewritten, so a value that happens
// to read "delete * from" is stored as typed.
QString toEngineDialect(const QString& sql)
{
    static const QRegularExpression jetDelete(QStringLiteral("\\bDELETE\\s+\\*\\s*FROM\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString result;
    result.reserve(sql.size());
    QString plain;
    QChar closing;
    for (const QChar c : sql) {
        if (!closing.isNull()) {
            result += c;
            if (c == closing)
                closing = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'[' || c == u'`') {
            result += plain.replace(jetDelete, QStringLiteral("DELETE FROM"));
            plain.clear();
            closing = c == u'[' ? QChar(u']') : c;
            result += c;
            continue;
        }
        plain += c;
    }
    result += plain.replace(jetDelete, QStringLiteral("DELETE FROM"));
    return result;
}

QString deleteAllAnswers()
{
    return QStringLiteral("delete * from otvety");
}

QString countAnswers()
{
    return QStringLiteral("select count(*) as m from otvety");
}

} // namespace Statements
