#include "admin/AikenFormat.h"

#include "admin/BankExportCheck.h"
#include "admin/QuestionMarkup.h"
#include "admin/TextLines.h"

#include <QRegularExpression>

namespace AikenFormat {

namespace {

const QRegularExpression& optionLine()
{
    // Other systems also write "A)text" and "A.text", and Russian keyboards give А, В, С, Е.
    static const QRegularExpression pattern(QStringLiteral("^([A-Z\\x{0410}\\x{0412}\\x{0421}\\x{0415}])[.)]\\s*(.*)$"));
    return pattern;
}

// The Latin letter a Cyrillic look-alike stands for; other characters as they are.
QChar latinLetter(QChar letter)
{
    switch (letter.unicode()) {
    case 0x0410: return u'A';
    case 0x0412: return u'B';
    case 0x0421: return u'C';
    case 0x0415: return u'E';
    default: return letter;
    }
}

const QRegularExpression& answerLine()
{
    static const QRegularExpression pattern(QStringLiteral("^ANSWER\\s*:(.*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

// Reads one question from line index `start` (not blank). Returns the index after it.
class QuestionReader
{
public:
    QuestionReader(const QStringList& lines, ImportResult& result)
        : m_lines(lines)
        , m_result(result)
    {
    }

    int read(int start)
    {
        m_question = BankQuestion();
        m_question.line = start + 1;
        int i = readText(start);
        if (i < 0)
            return skip(start);
        i = readOptions(i);
        if (i < 0)
            return skip(start);
        return readAnswer(i, start);
    }

private:
    int readText(int i)
    {
        const int start = i;
        QStringList text;
        while (i < m_lines.size() && !isBlank(m_lines.at(i)) && !startsOptions(m_lines.at(i), text.isEmpty())
               && !answerLine().match(m_lines.at(i).trimmed()).hasMatch()) {
            text << m_lines.at(i).trimmed();
            ++i;
        }
        if (text.isEmpty())
            return refuse(i, QStringLiteral("нет текста вопроса перед вариантами ответа"));
        QString raw = text.join(u'\n');
        // The options are written in the question's format unless they name their own.
        m_format = QuestionMarkup::takeMarker(raw, QuestionMarkup::Format::Plain, m_question.notes);
        const QuestionMarkup::Converted converted = QuestionMarkup::toPlain(raw, m_format);
        if (converted.text.isEmpty())
            return refuse(start, QStringLiteral("пустой текст вопроса"));
        QuestionMarkup::addChanges(m_question.notes, converted.changes);
        m_question.text = converted.text;
        return i;
    }

    // Inside the question text only a line "A." starts the options, so "I. Введение" stays
    // text. A question opening with a Russian "А." is text too: "А. С. Пушкин написал…".
    static bool startsOptions(const QString& line, bool firstLine)
    {
        const QRegularExpressionMatch match = optionLine().match(line.trimmed());
        if (!match.hasMatch())
            return false;
        const QChar letter = match.captured(1).at(0);
        return letter == u'A' || (letter == QChar(0x0410) && !firstLine);
    }

    int readOptions(int i)
    {
        for (; i < m_lines.size(); ++i) {
            const QString line = m_lines.at(i).trimmed();
            const QRegularExpressionMatch match = optionLine().match(line);
            if (!match.hasMatch())
                break;
            const QChar expected(char16_t(u'A' + m_question.options.size()));
            const QChar letter = letterOf(match.captured(1).at(0));
            if (m_question.options.size() == BankQuestion::kMaxOptions && letter == expected)
                return refuseQuestion(QStringLiteral("больше пяти вариантов ответа"));
            if (letter != expected)
                return refuse(i, QStringLiteral("вариант «%1» не по порядку: ожидался «%2.»")
                                     .arg(line.left(2), expected));
            QuestionMarkup::Converted text =
                QuestionMarkup::fromMarked(match.captured(2), m_format);
            text.text.replace(u'\n', u' ');
            if (text.text.isEmpty())
                return refuse(i, QStringLiteral("пустой вариант ответа «%1»").arg(line.left(2)));
            QuestionMarkup::addChanges(m_question.notes, text.changes);
            m_question.options << text.text;
        }
        return i;
    }

    // The Latin letter, noting a Cyrillic look-alike for the preview.
    QChar letterOf(QChar written)
    {
        const QChar latin = latinLetter(written);
        if (latin != written)
            QuestionMarkup::addChanges(m_question.notes,
                                       {QStringLiteral("русская буква «%1» прочитана как латинская «%2»").arg(written, latin)});
        return latin;
    }

    // Blank lines between the options and the ANSWER line are allowed, as other readers do.
    int skipBlanksBeforeAnswer(int i) const
    {
        int j = i;
        while (j < m_lines.size() && isBlank(m_lines.at(j)))
            ++j;
        if (j > i && !m_question.options.isEmpty() && j < m_lines.size() && answerLine().match(m_lines.at(j).trimmed()).hasMatch())
            return j;
        return i;
    }

    int readAnswer(int i, int start)
    {
        i = skipBlanksBeforeAnswer(i);
        if (i >= m_lines.size() || isBlank(m_lines.at(i))) {
            refuseQuestion(m_question.options.isEmpty()
                               ? QStringLiteral("нет ни вариантов ответа «A. …», ни строки «ANSWER: буква»")
                               : QStringLiteral("нет строки «ANSWER: буква»"));
            return i;
        }
        const QRegularExpressionMatch match = answerLine().match(m_lines.at(i).trimmed());
        if (!match.hasMatch()) {
            refuse(i, QStringLiteral("строка не похожа ни на вариант ответа, ни на «ANSWER: буква»"));
            return skip(start);
        }
        const int after = i + 1;
        if (m_question.options.size() < 2) {
            refuseQuestion(QStringLiteral("меньше двух вариантов ответа"));
            return after;
        }
        const QString value = match.captured(1).trimmed();
        const QStringList letters = value.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
        if (letters.isEmpty()) {
            refuseQuestion(QStringLiteral("не указан правильный ответ"));
            return after;
        }
        if (letters.size() > 1 || letters.front().size() > 1) {
            refuseQuestion(QStringLiteral("указано больше одного правильного ответа (%1)").arg(value));
            return after;
        }
        const QChar letter = letterOf(letters.front().at(0));
        if (letter.script() == QChar::Script_Cyrillic) {
            refuse(i, QStringLiteral("буква ответа «%1» русская, нужна латинская A–E").arg(letter));
            return after;
        }
        const int index = letter.unicode() - u'A';
        if (index < 0 || index >= m_question.options.size()) {
            refuse(i, QStringLiteral("в строке ANSWER буква «%1», а такого варианта нет").arg(letter));
            return after;
        }
        m_question.right = index;
        m_result.questions << m_question;
        return after;
    }

    // Records the problem at line index i; -1 tells the caller to skip the question.
    int refuse(int i, const QString& reason)
    {
        m_result.issues << refusedQuestion(m_question.line, i + 1, reason);
        return -1;
    }

    int refuseQuestion(const QString& reason)
    {
        return refuse(m_question.line - 1, reason);
    }

    // Past the rest of a refused question: up to a blank line, or just after an ANSWER line.
    int skip(int i) const
    {
        for (; i < m_lines.size() && !isBlank(m_lines.at(i)); ++i) {
            if (answerLine().match(m_lines.at(i).trimmed()).hasMatch())
                return i + 1;
        }
        return i;
    }

    const QStringList& m_lines;
    ImportResult& m_result;
    BankQuestion m_question;
    QuestionMarkup::Format m_format = QuestionMarkup::Format::Plain;
};

// Why a question cannot be written in this format; empty when it can.
QString unwritable(const BankQuestion& question)
{
    for (const QString& line : question.text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            return QStringLiteral("пустая строка внутри текста вопроса");
        if (optionLine().match(trimmed).hasMatch() && latinLetter(trimmed.at(0)) == u'A')
            return QStringLiteral("строка текста вопроса читалась бы как вариант «A.»");
        if (answerLine().match(trimmed).hasMatch())
            return QStringLiteral("строка текста вопроса читалась бы как строка ANSWER");
    }
    return QString();
}

// A text that starts like a format marker gets one that keeps it as written.
QString markerSafe(const QString& text)
{
    return QuestionMarkup::startsWithMarker(text) ? QStringLiteral("[plain]") + text : text;
}

} // namespace

ImportResult parse(const QString& text)
{
    ImportResult result;
    const QStringList lines = TextLines::split(text);
    QuestionReader reader(lines, result);
    int i = 0;
    while (i < lines.size()) {
        if (isBlank(lines.at(i)))
            ++i;
        else
            i = reader.read(i);
    }
    return result;
}

ExportResult write(const QVector<StoredQuestion>& bank)
{
    return BankExportCheck::writeEach(bank, unwritable, [](qint64, const BankQuestion& question) {
        QString text = markerSafe(question.text) + u'\n';
        for (int i = 0; i < question.options.size(); ++i)
            text += QChar(char16_t(u'A' + i)) + QStringLiteral(". ") + markerSafe(question.options.at(i)) + u'\n';
        return text + QStringLiteral("ANSWER: ") + question.key() + QStringLiteral("\n\n");
    });
}

} // namespace AikenFormat
