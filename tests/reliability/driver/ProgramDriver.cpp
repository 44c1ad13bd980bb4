#include "ProgramDriver.h"

#include "admin/TForm2.h"
#include "ui/Globals.h"
#include "data/CourseData.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace {

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString text(const QVariant& value)
{
    return value.isNull() ? QStringLiteral("NULL") : value.toString();
}

} // namespace

ProgramDriver::ProgramDriver(const QString& tag, quint32 seed, int rounds)
    : m_tag(tag)
    , m_random(seed)
    , m_rounds(rounds)
{
}

void ProgramDriver::report(const QStringList& fields)
{
    const QByteArray line = fields.join(u'\t').toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void ProgramDriver::start()
{
    QTimer::singleShot(0, this, &ProgramDriver::round);
}

QString ProgramDriver::name(const char* kind) const
{
    return QStringLiteral("%1 %2-%3").arg(QString::fromUtf8(kind), m_tag).arg(m_round);
}

void ProgramDriver::round()
{
    if (m_rounds > 0 && m_round >= m_rounds) {
        QCoreApplication::exit(0);
        return;
    }
    ++m_round;
    QTimer::singleShot(0, this, &ProgramDriver::round);
    for (void (ProgramDriver::*step)() : {&ProgramDriver::fixedTest, &ProgramDriver::timedTest, &ProgramDriver::settings}) {
        m_dialogs.clear();
        try {
            (this->*step)();
        } catch (const std::exception& error) {
            report({QStringLiteral("E"), QString::fromUtf8(error.what())});
        }
        reportErrorBoxes();
    }
}

// A fault the program answered with its error report: the round goes on.
void ProgramDriver::reportErrorBoxes()
{
    for (const ScriptedDialogs::Box& box : m_dialogs.boxes) {
        if (box.icon == Dialogs::Icon::Error)
            report({QStringLiteral("E"), box.text});
    }
    m_dialogs.clear();
}

void ProgramDriver::fixedTest()
{
    Form5->openEmpty();
    child<TsEdit>(Form5, "sEdit1")->setText(name("Студент"));
    Form5->sButton2Click();
    auto* letters = child<TsRadioGroup>(Form9, "sRadioGroup1");
    static const char* const questionButtons[] = {"sButton2Click", "sButton7Click", "sButton12Click", "sButton21Click"};
    for (const char* slot : questionButtons) {
        QMetaObject::invokeMethod(Form9, slot, Qt::DirectConnection);
        letters->setItemIndex(below(5));
    }
    Form9->sButton22Click();
    if (Form9->findChild<QWidget*>(QStringLiteral("sGroupBox1"))->isHidden())
        return; // not handed in: the error report said why
    TableObject& result = Form1->data().tblResult;
    report({QStringLiteral("R"), text(result.fieldValue(QStringLiteral("fio"))),
            text(result.fieldValue(QStringLiteral("data"))), text(result.fieldValue(QStringLiteral("kol"))),
            text(result.fieldValue(QStringLiteral("ocenka")))});
}

void ProgramDriver::timedTest()
{
    // A test whose result could not be stored last round is still running, answered.
    if (!Form1->isTestRunning()) {
        TimedTestFio = name("Тимур");
        TimedTestGruppa = QStringLiteral("Группа ") + m_tag;
        Form1->show();
        if (!Form1->isTestRunning())
            return;
        static const char* const answers[] = {"Button5Click", "Button6Click", "Button7Click", "Button8Click", "Button9Click"};
        for (int i = 0; i < Form1->sheet().count(); ++i) {
            QMetaObject::invokeMethod(Form1, answers[below(5)], Qt::DirectConnection);
            Form1->Button3Click();
        }
    }
    m_dialogs.yesNoAnswers.push_back(true);
    Form1->Button4Click();
    if (Form1->isTestRunning())
        return;
    static const QRegularExpression percent(QStringLiteral("Ваш результат: (\\d+)%"));
    const QRegularExpressionMatch match = percent.match(m_dialogs.messages().value(0));
    report({QStringLiteral("Z"), TimedTestFio, TimedTestGruppa, match.captured(1)});
}

void ProgramDriver::settings()
{
    Form2->show();
    const QString minutes = QString::number(5 + below(50));
    const QString count = QString::number(1 + below(10));
    child<QLineEdit>(Form2, "Edit1")->setText(minutes);
    child<QLineEdit>(Form2, "Edit2")->setText(count);
    Form2->Button1Click();
    if (m_dialogs.boxes.isEmpty())
        report({QStringLiteral("P"), minutes, count});

    auto* topics = child<QListWidget>(Form2, "CheckListBox1");
    if (topics->count() > 0) {
        QListWidgetItem* item = topics->item(below(topics->count()));
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        Form2->CheckListBox1ClickCheck(item);
    }
    if (m_round % 5 == 0) {
        const QString topic = name("Тема");
        m_dialogs.fileAnswers.push_back(QStringLiteral("/курс/text/new.htm"));
        m_dialogs.inputAnswers.push_back(topic);
        const qsizetype boxes = m_dialogs.boxes.size();
        Form2->Button3Click();
        if (m_dialogs.boxes.size() == boxes + 2) // the file and the name, no error
            report({QStringLiteral("T"), topic});
    }
    Form2->hide();
}
