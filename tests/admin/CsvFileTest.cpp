#include "admin/CsvFile.h"

#include <gtest/gtest.h>

namespace {

// A reader written from the usual rules of the format, independent of the writer: quoted
// fields may hold the separator, doubled quotes and line breaks; records end with CRLF.
QVector<QStringList> readCsv(const QByteArray& bytes, QChar separator)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QVector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == separator) {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(record.isEmpty() && field.isEmpty()) << "the last record has no line end";
    return records;
}

} // namespace

TEST(CsvFile, SpreadsheetReadsBackEveryField)
{
    const QStringList header = {"Имя", "Группа", "Процент", "Начало", "Окончание"};
    const QVector<QStringList> rows = {
        {"Иванов Иван", "ИС-21", "85", "09.12.2026 10:00:00", "09.12.2026 10:20:00"},
        {"O'Neil; Jr.", "\"Группа\"", "40", "", "строка\nвторая"},
        {" с пробелами ", "ИС-22", "0", "a\r\nb", ""},
    };
    const QByteArray bytes = CsvFile::write(header, rows);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QVector<QStringList> back = readCsv(bytes, u';');
    ASSERT_EQ(back.size(), 4);
    EXPECT_EQ(back.at(0), header);
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(back.at(i + 1), rows.at(i)) << "row " << i;
}

// Regression guard: a name typed as a formula must stay text in the dean's spreadsheet.
TEST(CsvFile, FormulaLikeFieldsBecomeText)
{
    struct Row {
        const char* value;
        const char* field;
    };
    const Row rows[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+7 999", "'+7 999"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"Иванов", "Иванов"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CsvFile::field(QString::fromUtf8(row.value)), QString::fromUtf8(row.field)) << row.value;
}
