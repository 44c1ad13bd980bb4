#include "StudentDriver.h"

#include "ProgramDriver.h"
#include "data/AnswerLog.h"
#include "data/CourseData.h"
#include "data/DataError.h"
#include "data/DatabaseChoice.h"
#include "data/Statements.h"
#include "testing/AnswerSheet.h"
#include "testing/GradeBand.h"
#include "testing/TimedTestScoring.h"
#include "testing/TimedTestSheet.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <iostream>
#include <string>

StudentDriver::StudentDriver(const QString& programFolder, const QString& tag, quint32 seed)
    : m_folder(programFolder)
    , m_tag(tag)
    , m_random(seed)
{
}

int StudentDriver::run()
{
    try {
        CourseData data;
        data.useServer(DatabaseChoice::connectionString());
        data.openTables(m_folder);
        data.openStatementConnection(m_folder);
        fillFixedSheet(data);
        ProgramDriver::report({QStringLiteral("READY")});
        std::string go;
        std::getline(std::cin, go);
        handInFixed(data);
        takeTimedTest(data);
        return 0;
    } catch (const DataError& error) {
        ProgramDriver::report({QStringLiteral("E"), error.message()});
        return 1;
    }
}

void StudentDriver::fillFixedSheet(CourseData& data)
{
    AnswerSheet::empty(data.tblTesting);
    AnswerSheet::draw(data.tblTesting, data.tblTest);
    for (int slot = 1; slot <= AnswerSheet::kSlotCount; ++slot) {
        AnswerSheet::openSlot(data.tblTesting, slot);
        data.tblTesting.edit();
        data.tblTesting.setFieldValue(QStringLiteral("otv"), AnswerSheet::letterForIndex(below(5)));
        data.tblTesting.post();
    }
}

// As the fixed-test window's hand-in does.
void StudentDriver::handInFixed(CourseData& data)
{
    const int correct = AnswerSheet::countCorrect(data.tblTesting, data.tblTest);
    const GradeBand* band = GradeBand::find(correct * 100.0 / AnswerSheet::kSlotCount);
    const QString letter = band ? band->letterGrade() : QString();
    const QString fio = QStringLiteral("Студент ") + m_tag;
    data.tblResult.insert();
    data.tblResult.setFieldValue(QStringLiteral("fio"), fio);
    data.tblResult.setFieldValue(QStringLiteral("data"), QDate::currentDate());
    data.tblResult.setFieldValue(QStringLiteral("kol"), QStringLiteral("20"));
    data.tblResult.setFieldValue(QStringLiteral("ocenka"), letter);
    data.tblResult.post();
    ProgramDriver::report({QStringLiteral("R"), fio, QString::number(correct), letter});
}

// The first kolvo questions of the bank by number, each answered (and logged) at once.
void StudentDriver::takeTimedTest(CourseData& data)
{
    Query& query = data.ADOQuery1;
    query.setSql(Statements::selectParameters());
    query.open();
    const int count = int(query.fieldAsInteger(QStringLiteral("kolvo")));
    query.setSql(Statements::selectQuestionIds());
    query.open();
    QVector<int> ids;
    for (; !query.eof(); query.next())
        ids << int(query.fieldAsInteger(QStringLiteral("id")));
    std::sort(ids.begin(), ids.end());
    ids.resize(std::min<qsizetype>(count, ids.size()));

    const QString fio = QStringLiteral("Тимур ") + m_tag;
    const QString gruppa = QStringLiteral("Группа ") + m_tag;
    const QString started = TimedTestScoring::dateTimeText(QDateTime::currentDateTime());
    TimedTestSheet sheet;
    sheet.start(ids);
    for (int position = 1; position <= sheet.count(); ++position) {
        const QString letter = AnswerSheet::letterForIndex(below(5));
        sheet.setAnswer(position, letter);
        AnswerLog::record(data.ADOConnection1, {fio, gruppa, started}, sheet.questionAt(position), letter);
    }
    const int percentage = TimedTestScoring::percentage(TimedTestScoring::countCorrect(query, sheet), sheet.count());
    TimedTestScoring::storeResult(query, fio, gruppa, percentage, started,
                                  TimedTestScoring::dateTimeText(QDateTime::currentDateTime()));
    ProgramDriver::report({QStringLiteral("Z"), fio, gruppa, QString::number(percentage)});
}
