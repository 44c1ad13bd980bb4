#include "admin/GiftFormat.h"

#include "admin/BankExportCheck.h"
#include "admin/QuestionMarkup.h"
#include "admin/TextLines.h"

#include <QRegularExpression>

namespace GiftFormat {

namespace {

const QString kSpecial = QStringLiteral("=~{}:#\\");
const QString kBlank = QStringLiteral("_____");

// One character of a question with where it stands; an escaped one is never markup.
struct Symbol {
    QChar c;
    bool escaped = false;
    int line = 0;
};
using Symbols = QVector<Symbol>;

struct Line {
    int number = 0;
    QString text;
};

bool isComment(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1String("//")) || trimmed.startsWith(QLatin1String("$CATEGORY:"));
}

Symbols symbolsOf(const QVector<Line>& block)
{
    Symbols symbols;
    for (const Line& line : block) {
        if (!symbols.isEmpty())
            symbols << Symbol{u'\n', false, line.number};
        const QString& text = line.text;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'\\' && i + 1 < text.size()) {
                const QChar next = text.at(i + 1);
                if (kSpecial.contains(next)) {
                    symbols << Symbol{next, true, line.number};
                    ++i;
                    continue;
                }
                if (next == u'n') {
                    symbols << Symbol{u'\n', true, line.number};
                    ++i;
                    continue;
                }
            }
            symbols << Symbol{c, false, line.number};
        }
    }
    return symbols;
}

bool isMark(const Symbol& symbol, char16_t c)
{
    return !symbol.escaped && symbol.c == QChar(c);
}

qsizetype findMark(const Symbols& symbols, char16_t c, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        if (isMark(symbols.at(i), c))
            return i;
    }
    return -1;
}

QString textOf(const Symbols& symbols, qsizetype from, qsizetype to)
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        text += symbols.at(i).c;
    return text;
}

// Every line trimmed, blank lines at the edges dropped.
QString tidyText(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        lines << line.trimmed();
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

const QRegularExpression& weight()
{
    static const QRegularExpression pattern(QStringLiteral("^%(-?[0-9]+(?:[.,][0-9]+)?)%"));
    return pattern;
}

class QuestionReader
{
public:
    QuestionReader(const QVector<Line>& block, ImportResult& result)
        : m_symbols(symbolsOf(block))
        , m_first(block.front().number)
        , m_result(result)
    {
    }

    void read()
    {
        m_question = BankQuestion();
        m_question.line = m_first;
        const qsizetype size = m_symbols.size();
        const qsizetype start = skipTitle();
        if (start < 0)
            return;
        const qsizetype open = findMark(m_symbols, u'{', start, size);
        if (open < 0) {
            refuse(m_first, QStringLiteral("описание (текст без вопроса) не поддерживается: нет вариантов ответа в фигурных скобках { }"));
            return;
        }
        const qsizetype close = findMark(m_symbols, u'}', open + 1, size);
        const qsizetype nested = findMark(m_symbols, u'{', open + 1, close < 0 ? size : close);
        if (nested >= 0) {
            refuse(m_symbols.at(nested).line, QStringLiteral("лишняя «{» внутри вариантов ответа (в тексте пишите \\{)"));
            return;
        }
        if (close < 0) {
            refuse(m_symbols.at(open).line, QStringLiteral("не закрыта фигурная скобка «{»"));
            return;
        }
        if (findMark(m_symbols, u'{', close + 1, size) >= 0) {
            refuse(m_first, QStringLiteral("в вопросе больше одного блока вариантов { }"));
            return;
        }
        if (!readText(start, open, close) || !readOptions(open + 1, close))
            return;
        m_result.questions << m_question;
    }

private:
    // The index after an optional "::title::"; -1 when the title is not closed.
    qsizetype skipTitle()
    {
        qsizetype i = 0;
        while (i < m_symbols.size() && m_symbols.at(i).c.isSpace())
            ++i;
        if (i + 1 >= m_symbols.size() || !isMark(m_symbols.at(i), u':') || !isMark(m_symbols.at(i + 1), u':'))
            return i;
        for (qsizetype j = i + 2; j + 1 < m_symbols.size(); ++j) {
            if (isMark(m_symbols.at(j), u':') && isMark(m_symbols.at(j + 1), u':'))
                return j + 2;
        }
        refuse(m_first, QStringLiteral("название «::…::» не закрыто"));
        return -1;
    }

    // Text after the braces fills a blank in the middle of the question, spaced as written.
    bool readText(qsizetype start, qsizetype open, qsizetype close)
    {
        QString raw = textOf(m_symbols, start, open);
        const QString tail = textOf(m_symbols, close + 1, m_symbols.size());
        if (!tail.trimmed().isEmpty())
            raw += kBlank + tail;
        m_format = QuestionMarkup::takeMarker(raw, QuestionMarkup::Format::Plain, m_question.notes);
        const QString text = plainText(raw, m_format);
        if (text.isEmpty()) {
            refuse(m_first, QStringLiteral("пустой текст вопроса"));
            return false;
        }
        m_question.text = text;
        return true;
    }

    QString plainText(const QString& raw, QuestionMarkup::Format format)
    {
        if (format == QuestionMarkup::Format::Plain || format == QuestionMarkup::Format::Markdown)
            return tidyText(raw);
        const QuestionMarkup::Converted converted = QuestionMarkup::toPlain(raw, format);
        QuestionMarkup::addChanges(m_question.notes, converted.changes);
        return converted.text;
    }

    // The kinds of question a brace block holds besides one right answer out of several,
    // each refused by its own name.
    bool refuseOtherKinds(qsizetype from, qsizetype to, const QVector<qsizetype>& marks)
    {
        const QString all = textOf(m_symbols, from, to).trimmed();
        if (all.isEmpty())
            return refuse(m_first, QStringLiteral("вопрос-эссе (пустые скобки { }) не поддерживается: нужны варианты ответа"));
        qsizetype first = from;
        while (first < to && m_symbols.at(first).c.isSpace())
            ++first;
        if (isMark(m_symbols.at(first), u'#'))
            return refuse(m_first, QStringLiteral("числовой вопрос {#…} не поддерживается"));
        if (marks.isEmpty()) {
            static const QStringList trueFalse = {"T", "F", "TRUE", "FALSE"};
            const qsizetype feedback = findMark(m_symbols, u'#', from, to);
            if (trueFalse.contains(textOf(m_symbols, from, feedback < 0 ? to : feedback).trimmed().toUpper()))
                return refuse(m_first, QStringLiteral("вопрос «верно/неверно» не поддерживается"));
            return refuse(m_first, QStringLiteral("варианты ответа должны начинаться с «=» или «~»"));
        }
        if (!textOf(m_symbols, from, marks.front()).trimmed().isEmpty())
            return refuse(m_symbols.at(first).line, QStringLiteral("текст перед первым вариантом: каждый вариант начинается с «=» или «~»"));
        bool anyWrong = false;
        bool allPairs = true;
        for (qsizetype m = 0; m < marks.size(); ++m) {
            const qsizetype end = m + 1 < marks.size() ? marks.at(m + 1) : to;
            anyWrong = anyWrong || m_symbols.at(marks.at(m)).c == u'~';
            allPairs = allPairs && hasPairArrow(marks.at(m) + 1, end);
        }
        if (!anyWrong && allPairs)
            return refuse(m_first, QStringLiteral("вопрос на соответствие («=… -> …») не поддерживается"));
        if (!anyWrong)
            return refuse(m_first, QStringLiteral("вопрос с кратким ответом (только «=», без «~») не поддерживается"));
        return true;
    }

    // Whether an option, up to its feedback, pairs two things with "->".
    bool hasPairArrow(qsizetype from, qsizetype to) const
    {
        const qsizetype feedback = findMark(m_symbols, u'#', from, to);
        const qsizetype end = feedback < 0 ? to : feedback;
        for (qsizetype i = from; i + 1 < end; ++i) {
            if (isMark(m_symbols.at(i), u'-') && isMark(m_symbols.at(i + 1), u'>'))
                return true;
        }
        return false;
    }

    bool readOptions(qsizetype from, qsizetype to)
    {
        QVector<qsizetype> marks;
        for (qsizetype i = from; i < to; ++i) {
            if (isMark(m_symbols.at(i), u'=') || isMark(m_symbols.at(i), u'~'))
                marks << i;
        }
        if (!refuseOtherKinds(from, to, marks))
            return false;

        int rights = 0;
        marks << to;
        for (qsizetype m = 0; m + 1 < marks.size(); ++m) {
            bool right = m_symbols.at(marks.at(m)).c == u'=';
            QString option;
            if (!readOption(marks.at(m) + 1, marks.at(m + 1), option, right))
                return false;
            m_question.options << option;
            if (right) {
                ++rights;
                m_question.right = int(m_question.options.size()) - 1;
            }
        }
        const int count = int(m_question.options.size());
        if (count > BankQuestion::kMaxOptions)
            return refuse(m_first, QStringLiteral("больше пяти вариантов ответа (%1)").arg(count));
        if (rights == 0)
            return refuse(m_first, QStringLiteral("нет правильного ответа: ни один вариант не начинается с «=»"));
        if (rights > 1)
            return refuse(m_first, QStringLiteral("больше одного правильного ответа «=» (%1)").arg(rights));
        if (count < 2)
            return refuse(m_first, QStringLiteral("меньше двух вариантов ответа"));
        return true;
    }

    // A weight of 100 % or 0 % only says again which option is right; any other weight
    // gives a share of the marks, which the bank cannot hold.
    bool readOption(qsizetype from, qsizetype to, QString& option, bool& right)
    {
        const int line = m_symbols.at(from - 1).line;
        const qsizetype feedback = findMark(m_symbols, u'#', from, to);
        option = textOf(m_symbols, from, feedback < 0 ? to : feedback).trimmed();
        const QRegularExpressionMatch share = weight().match(option);
        if (share.hasMatch()) {
            const double value = share.captured(1).replace(u',', u'.').toDouble();
            if (value != 100.0 && value != 0.0)
                return refuse(line, QStringLiteral("варианты с весами («%50%»), то есть с долями баллов, не поддерживаются"));
            right = value == 100.0;
            option = option.mid(share.capturedLength());
        }
        const QuestionMarkup::Format format = QuestionMarkup::takeMarker(option, m_format, m_question.notes);
        option = plainText(option, format);
        option.replace(u'\n', u' ');
        option = option.trimmed();
        if (option.isEmpty())
            return refuse(line, QStringLiteral("пустой вариант ответа"));
        return true;
    }

    bool refuse(int line, const QString& reason)
    {
        m_result.issues << refusedQuestion(m_first, line, reason);
        return false;
    }

    Symbols m_symbols;
    int m_first;
    QuestionMarkup::Format m_format = QuestionMarkup::Format::Plain;
    ImportResult& m_result;
    BankQuestion m_question;
};

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (kSpecial.contains(c))
            out += u'\\';
        out += c;
    }
    return out;
}

// Why a question cannot be written in this format; empty when it can.
QString unwritable(const BankQuestion& question)
{
    for (const QString& line : question.text.split(u'\n')) {
        if (isComment(line))
            return QStringLiteral("строка текста вопроса читалась бы как комментарий «//»");
    }
    for (const QString& option : question.options) {
        if (weight().match(option).hasMatch())
            return QStringLiteral("вариант начинается с веса «%…%»");
    }
    return QString();
}

// A text that starts like a format marker gets one that keeps it as written.
QString markerSafe(const QString& text)
{
    return QuestionMarkup::startsWithMarker(text) ? QStringLiteral("[plain]") + text : text;
}

// An empty line would end the question, so it travels as "\n" at the end of the line before.
QString questionText(const QString& text)
{
    QStringList lines;
    for (const QString& line : markerSafe(text).split(u'\n')) {
        if (line.trimmed().isEmpty() && !lines.isEmpty())
            lines.back() += QStringLiteral("\\n");
        else
            lines << escaped(line);
    }
    return lines.join(u'\n');
}

} // namespace

ImportResult parse(const QString& text)
{
    ImportResult result;
    const QStringList lines = TextLines::split(text);
    QVector<Line> block;
    auto finish = [&] {
        if (!block.isEmpty())
            QuestionReader(block, result).read();
        block.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            finish();
        else if (!isComment(lines.at(i)))
            block << Line{i + 1, lines.at(i)};
    }
    finish();
    return result;
}

ExportResult write(const QVector<StoredQuestion>& bank)
{
    return BankExportCheck::writeEach(bank, unwritable, [](qint64 id, const BankQuestion& question) {
        QString text = QStringLiteral("// Вопрос %1\n").arg(id) + questionText(question.text) + QStringLiteral(" {\n");
        for (int i = 0; i < question.options.size(); ++i)
            text += (i == question.right ? QStringLiteral("\t=") : QStringLiteral("\t~"))
                    + escaped(markerSafe(question.options.at(i))) + u'\n';
        return text + QStringLiteral("}\n\n");
    });
}

} // namespace GiftFormat
