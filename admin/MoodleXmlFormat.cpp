#include "admin/MoodleXmlFormat.h"

#include "admin/BankExportCheck.h"
#include "admin/QuestionMarkup.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace MoodleXmlFormat {

namespace {

using QuestionMarkup::Format;

// A text element with the format it is written in.
struct FormattedText {
    QString text;
    Format format = Format::Html;
};

struct Answer {
    FormattedText text;
    QString fraction;
    int line = 0;
};

// One <question> element as read, before it is judged.
struct RawQuestion {
    QString type;
    QString name;
    int line = 0;
    FormattedText questionText;
    QString single;
    QVector<Answer> answers;
};

// What the other kinds of question are called in the preview.
QString kindName(const QString& type)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("truefalse"), QStringLiteral("вопрос «верно/неверно»")},
        {QStringLiteral("shortanswer"), QStringLiteral("вопрос с кратким ответом")},
        {QStringLiteral("numerical"), QStringLiteral("числовой вопрос")},
        {QStringLiteral("matching"), QStringLiteral("вопрос на соответствие")},
        {QStringLiteral("randomsamatch"), QStringLiteral("вопрос на соответствие из случайных вопросов")},
        {QStringLiteral("essay"), QStringLiteral("эссе")},
        {QStringLiteral("description"), QStringLiteral("описание (текст без вопроса)")},
        {QStringLiteral("multianswer"), QStringLiteral("вопрос со вложенными ответами")},
        {QStringLiteral("calculated"), QStringLiteral("вычисляемый вопрос")},
        {QStringLiteral("calculatedsimple"), QStringLiteral("простой вычисляемый вопрос")},
        {QStringLiteral("calculatedmulti"), QStringLiteral("вычисляемый вопрос с выбором ответа")},
        {QStringLiteral("ddwtos"), QStringLiteral("перетаскивание в текст")},
        {QStringLiteral("gapselect"), QStringLiteral("выбор пропущенных слов")},
        {QStringLiteral("ddimageortext"), QStringLiteral("перетаскивание на изображение")},
        {QStringLiteral("ddmarker"), QStringLiteral("перетаскивание маркеров")},
        {QStringLiteral("ordering"), QStringLiteral("вопрос на упорядочивание")},
        {QStringLiteral("random"), QStringLiteral("случайный вопрос")},
    };
    const auto found = names.constFind(type);
    return found != names.constEnd() ? found.value() : QStringLiteral("вопрос неизвестного типа «%1»").arg(type);
}

Format formatOf(const QXmlStreamAttributes& attributes, Format fallback)
{
    const QStringView name = attributes.value(QStringLiteral("format"));
    if (name == u"html")
        return Format::Html;
    if (name == u"moodle_auto_format")
        return Format::Auto;
    if (name == u"plain_text")
        return Format::Plain;
    if (name == u"markdown")
        return Format::Markdown;
    return fallback;
}

// Reads the document element by element; a damaged file stops the reading at the damage.
class Reader
{
public:
    // `lines` is how many lines of the file come before the text.
    Reader(QStringView text, int lines, ImportResult& result)
        : m_xml(text.toString())
        , m_lines(lines)
        , m_result(result)
    {
    }

    void read()
    {
        if (!m_xml.readNextStartElement()) {
            damaged();
            return;
        }
        if (m_xml.name() != u"quiz") {
            m_result.issues << ImportIssue{line(), QStringLiteral("в файле XML нет списка вопросов <quiz>")};
            return;
        }
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"question")
                readQuestion();
            else
                m_xml.skipCurrentElement();
        }
        damaged();
    }

private:
    int line() const { return int(qMin<qint64>(m_xml.lineNumber() + m_lines, INT_MAX)); }

    void damaged()
    {
        if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            m_result.issues << ImportIssue{line(), QStringLiteral("файл XML повреждён: %1").arg(m_xml.errorString())};
        else if (m_xml.hasError())
            m_result.issues << ImportIssue{line(), QStringLiteral("файл XML оборван: нет закрывающих тегов")};
    }

    void readQuestion()
    {
        RawQuestion raw;
        raw.line = line();
        raw.type = m_xml.attributes().value(QStringLiteral("type")).toString();
        while (m_xml.readNextStartElement()) {
            const QStringView name = m_xml.name();
            if (name == u"name")
                raw.name = readText(Format::Plain).text;
            else if (name == u"questiontext")
                raw.questionText = readText(Format::Html);
            else if (name == u"single")
                raw.single = m_xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else if (name == u"answer")
                readAnswer(raw);
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            return;
        if (raw.type != u"category")
            judge(raw);
    }

    void readAnswer(RawQuestion& raw)
    {
        Answer answer;
        answer.line = line();
        answer.fraction = m_xml.attributes().value(QStringLiteral("fraction")).toString();
        answer.text = readText(Format::Html);
        raw.answers << answer;
    }

    // An element holding <text> (its other children, such as files and feedback, passed over).
    FormattedText readText(Format fallback)
    {
        FormattedText text;
        text.format = formatOf(m_xml.attributes(), fallback);
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"text")
                text.text = m_xml.readElementText(QXmlStreamReader::SkipChildElements);
            else
                m_xml.skipCurrentElement();
        }
        return text;
    }

    void judge(const RawQuestion& raw)
    {
        const QString title = raw.name.isEmpty() ? QString() : QStringLiteral("«%1»: ").arg(raw.name.simplified().left(60));
        if (raw.type != u"multichoice") {
            refuse(raw, QStringLiteral("%1%2 не поддерживается").arg(title, kindName(raw.type)));
            return;
        }
        BankQuestion question;
        question.line = raw.line;
        const QuestionMarkup::Converted text = QuestionMarkup::toPlain(raw.questionText.text, raw.questionText.format);
        QuestionMarkup::addChanges(question.notes, text.changes);
        question.text = text.text;
        if (question.text.isEmpty()) {
            refuse(raw, title + QStringLiteral("пустой текст вопроса"));
            return;
        }
        const QString why = readAnswers(raw, question);
        if (!why.isEmpty()) {
            refuse(raw, title + why);
            return;
        }
        m_result.questions << question;
    }

    // Fills the options and the right one; why not, when the question cannot be held.
    static QString readAnswers(const RawQuestion& raw, BankQuestion& question)
    {
        int rights = 0, shares = 0;
        for (const Answer& answer : raw.answers) {
            bool ok = false;
            const double fraction = answer.fraction.trimmed().toDouble(&ok);
            if (!ok)
                return QStringLiteral("у варианта со строки %1 нет доли балла fraction").arg(answer.line);
            if (fraction == 100.0) {
                ++rights;
                question.right = int(question.options.size());
            } else if (fraction != 0.0) {
                ++shares;
            }
            QuestionMarkup::Converted option = QuestionMarkup::toPlain(answer.text.text, answer.text.format);
            option.text.replace(u'\n', u' ');
            if (option.text.trimmed().isEmpty())
                return QStringLiteral("пустой вариант ответа в строке %1").arg(answer.line);
            QuestionMarkup::addChanges(question.notes, option.changes);
            question.options << option.text.trimmed();
        }
        const bool several = raw.single == u"false" || raw.single == u"0";
        if (several && (rights > 1 || shares > 0))
            return QStringLiteral("вопрос с несколькими правильными ответами не поддерживается");
        if (shares > 0)
            return QStringLiteral("варианты с весами (доли балла не 0 и не 100) не поддерживаются");
        if (rights == 0)
            return QStringLiteral("нет правильного ответа (варианта с fraction=\"100\")");
        if (rights > 1)
            return QStringLiteral("больше одного правильного ответа (%1)").arg(rights);
        if (question.options.size() < 2)
            return QStringLiteral("меньше двух вариантов ответа");
        if (question.options.size() > BankQuestion::kMaxOptions)
            return QStringLiteral("больше пяти вариантов ответа (%1)").arg(question.options.size());
        if (several)
            question.notes << QStringLiteral("вопрос с флажками и одним верным вариантом прочитан как вопрос с одним ответом");
        return QString();
    }

    void refuse(const RawQuestion& raw, const QString& reason)
    {
        m_result.issues << refusedQuestion(raw.line, raw.line, reason);
    }

    QXmlStreamReader m_xml;
    const int m_lines;
    ImportResult& m_result;
};

void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text, const QString& format)
{
    xml.writeStartElement(element);
    if (!format.isEmpty())
        xml.writeAttribute(QStringLiteral("format"), format);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

QString questionName(qint64 id, const BankQuestion& question)
{
    QString first = question.text.section(u'\n', 0, 0).simplified();
    if (first.size() > 60)
        first = first.left(59) + u'…';
    return QStringLiteral("%1. %2").arg(id).arg(first);
}

void writeQuestion(QXmlStreamWriter& xml, qint64 id, const BankQuestion& question)
{
    xml.writeComment(QStringLiteral(" question: %1 ").arg(id));
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    writeText(xml, QStringLiteral("name"), questionName(id, question), QString());
    writeText(xml, QStringLiteral("questiontext"), QStringLiteral("<p>") + QuestionMarkup::toHtml(question.text) + QStringLiteral("</p>"),
              QStringLiteral("html"));
    writeText(xml, QStringLiteral("generalfeedback"), QString(), QStringLiteral("html"));
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    // The bank's letters are part of the question: "A" in the text means the first option.
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("false"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
    for (int i = 0; i < question.options.size(); ++i) {
        xml.writeStartElement(QStringLiteral("answer"));
        xml.writeAttribute(QStringLiteral("fraction"), i == question.right ? QStringLiteral("100") : QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        xml.writeTextElement(QStringLiteral("text"), QuestionMarkup::toHtml(question.options.at(i)));
        writeText(xml, QStringLiteral("feedback"), QString(), QStringLiteral("html"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// One question, on lines of its own.
QString questionXml(qint64 id, const BankQuestion& question)
{
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    writeQuestion(xml, id, question);
    return u'\n' + text;
}

// Where the document begins: editors leave a byte-order mark or blank lines before it,
// which XML does not allow ahead of its declaration.
qsizetype documentStart(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i).isSpace() || text.at(i) == QChar(0xFEFF)))
        ++i;
    return i;
}

} // namespace

ImportResult parse(const QString& text)
{
    ImportResult result;
    const qsizetype start = documentStart(text);
    const int lines = int(QStringView(text).left(start).count(u'\n'));
    Reader(QStringView(text).mid(start), lines, result).read();
    return result;
}

bool looksLikeXml(const QString& text)
{
    const QStringView start = QStringView(text).mid(documentStart(text));
    return start.startsWith(u"<?xml") || start.startsWith(u"<quiz");
}

ExportResult write(const QVector<StoredQuestion>& bank)
{
    // Every question the bank can take apart has a form here, so none is unwritable.
    ExportResult result = BankExportCheck::writeEach(bank, [](const BankQuestion&) { return QString(); }, questionXml);
    result.text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>") + result.text + QStringLiteral("\n</quiz>\n");
    return result;
}

} // namespace MoodleXmlFormat
