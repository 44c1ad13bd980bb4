#include "testing/TimedTestScoring.h"

#include "data/Query.h"
#include "data/Statements.h"
#include "testing/TimedTestSheet.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace TimedTestScoring {

int countCorrect(Query& query, const TimedTestSheet& sheet)
{
    int correct = 0;
    for (int position = 1; position <= sheet.count(); ++position) {
        query.setSql(Statements::selectKeyByParameter());
        query.setParameter(QStringLiteral("par"), sheet.questionAt(position));
        query.open();
        const QString answer = sheet.answerAt(position);
        if (query.eof() || answer.isEmpty())
            continue;
        const QVariant key = query.fieldValue(QStringLiteral("key"));
        if (!key.isNull() && key.toString() == answer)
            ++correct;
    }
    return correct;
}

int percentage(int correct, int count)
{
    if (count <= 0)
        return 0;
    // The quotient of two integers is exact at every half, so nearbyint's default
    // rounding (to nearest, halves to even) decides ties correctly.
    return int(std::nearbyint(correct * 100.0 / count));
}

QString gradeText(int percentage)
{
    if (percentage >= 90 && percentage <= 100)
        return QStringLiteral("ОТЛИЧНО!");
    if (percentage >= 75 && percentage <= 89)
        return QStringLiteral("ХОРОШО!");
    if (percentage >= 50 && percentage <= 74)
        return QStringLiteral("УДОВЛЕТВОРИТЕЛЬНО!");
    return QStringLiteral("НЕУДОВЛЕТВОРИТЕЛЬНО!");
}

QString resultMessage(int percentage)
{
    return QStringLiteral("Ваш результат: ") + QString::number(percentage) + QStringLiteral("%\n\r")
        + QStringLiteral("Ваша оценка: ") + gradeText(percentage);
}

QString timeFormatWithoutZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result += c;
    }
    return result.trimmed();
}

QString dateTimeText(const QDateTime& moment)
{
    const QLocale locale = QLocale::system();
    return locale.toString(moment.date(), QLocale::ShortFormat) + u' '
        + locale.toString(moment.time(), timeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
}

void storeResult(Query& query, const QString& fio, const QString& gruppa, int percentage,
                 const QString& started, const QString& finished)
{
    query.setSql(Statements::insertTimedResult(fio, gruppa, QString::number(percentage), started,
                                               finished));
    query.execSql();
}

} // namespace TimedTestScoring
