#pragma once

// A program folder of its own for each timed-test case: a database built from the course
// schema plus the rows the case needs, a TForm1 over it, scripted dialogs, a stand-in for
// the main window and a clock the case moves by hand.

#include "common/ScriptedDialogs.h"
#include "common/TestDatabase.h"
#include "platform/ProgramFolder.h"
#include "testing/TForm1.h"
#include "ui/Globals.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

class TimedTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ProgramFolder::setPathForTesting(m_database.folder());
        TimedTestFio.clear();
        TimedTestGruppa.clear();
        now = QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0));
    }

    void TearDown() override
    {
        form.reset();
        Form1 = nullptr;
        ProgramFolder::setPathForTesting(QString());
    }

    QString databaseFile() const { return m_database.file(); }

    void exec(const QString& sql) { m_database.exec(sql); }

    // The first column of the first row as text; empty when there is no row.
    QString text(const QString& sql) { return m_database.rows(sql).value(0).value(0).toString(); }
    int number(const QString& sql) { return text(sql).toInt(); }

    void setParams(const QString& minutes, const QString& count)
    {
        exec(QStringLiteral("DELETE FROM params; INSERT INTO params VALUES (1, %1, %2, 1234)")
                 .arg(minutes, count));
    }

    // The key of question id: "ABCDE" in turn, so every letter is somebody's key.
    static QString keyOf(int id) { return QString(QChar(u'A' + (id - 1) % 5)); }
    static QString wrongFor(int id) { return QString(QChar(u'A' + id % 5)); }
    static QString questionText(int id) { return QStringLiteral("Вопрос %1").arg(id); }

    void addQuestions(int count)
    {
        exec(QStringLiteral("BEGIN"));
        for (int id = 1; id <= count; ++id) {
            exec(QStringLiteral("INSERT INTO questions VALUES (%1, '%2')").arg(id).arg(questionText(id)));
            exec(QStringLiteral("INSERT INTO keys VALUES (%1, '%2')").arg(id).arg(keyOf(id)));
        }
        exec(QStringLiteral("COMMIT"));
    }

    void makeForm()
    {
        form = std::make_unique<TForm1>();
        form->FormCreate();
        form->setMainWindow(&mainWindow);
        form->setClockForTesting([this] { return now; });
        Form1 = form.get();
        mainWindow.show();
    }

    // Shows the window as the program does; true when a test started.
    bool startTest()
    {
        if (!form)
            makeForm();
        form->show();
        return form->isTestRunning();
    }

    template <typename T> T* child(const char* name) const
    {
        T* widget = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QPushButton* letterButton(const QString& letter) const
    {
        static const char* const names[] = {"Button5", "Button6", "Button7", "Button8", "Button9"};
        return button(names[letter.at(0).unicode() - u'A']);
    }
    QString memoText() const { return child<QPlainTextEdit>("Memo1")->toPlainText(); }
    QString positionLabel() const { return child<QLabel>("Label1")->text(); }
    QString timeLabel() const { return child<QLabel>("Label4")->text(); }
    QWidget* marker() const { return child<QWidget>("Shape1"); }

    // Walks through every position from the first, answering with the key where wanted.
    void answerAll(const std::function<bool(int position)>& correct)
    {
        const int count = form->sheet().count();
        for (int position = 1; position <= count; ++position) {
            ASSERT_EQ(form->currentPosition(), position);
            const int id = form->sheet().questionAt(position);
            letterButton(correct(position) ? keyOf(id) : wrongFor(id))->click();
            button("Button3")->click();
        }
    }

    ScriptedDialogs dialogs;
    QWidget mainWindow;
    QDateTime now;
    std::unique_ptr<TForm1> form;

private:
    TestDatabase m_database;
};
