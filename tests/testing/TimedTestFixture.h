#pragma once

// A program folder of its own for each timed-test case: a database built from the course
// schema plus the rows the case needs, a TForm1 over it, scripted dialogs, a stand-in for
// the main window and a clock the case moves by hand.

#include "app/Globals.h"
#include "platform/ProgramFolder.h"
#include "platform/ScriptedDialogs.h"
#include "testing/TForm1.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <functional>
#include <memory>

class TimedTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile schema(QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"));
        ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
        ASSERT_EQ(sqlite3_open(QFile::encodeName(databaseFile()).constData(), &m_db), SQLITE_OK);
        sqlite3_busy_timeout(m_db, 5000);
        exec(QString::fromUtf8(schema.readAll()));
        ProgramFolder::setPathForTesting(m_dir.path());
        TimedTestFio.clear();
        TimedTestGruppa.clear();
        now = QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0));
    }

    void TearDown() override
    {
        form.reset();
        Form1 = nullptr;
        ProgramFolder::setPathForTesting(QString());
        sqlite3_close(m_db);
    }

    QString databaseFile() const { return m_dir.path() + QStringLiteral("/dbase.sqlite"); }

    void exec(const QString& sql)
    {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
            ADD_FAILURE() << "fixture SQL failed: " << (message ? message : "") << " in "
                          << sql.toStdString();
        sqlite3_free(message);
    }

    // The first column of the first row as text; empty when there is no row.
    QString text(const QString& sql)
    {
        sqlite3_stmt* statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, utf8.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "fixture SQL failed: " << sqlite3_errmsg(m_db);
            return QString();
        }
        QString result;
        if (sqlite3_step(statement) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return result;
    }
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
        form->setMainWindowForTesting(&mainWindow);
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
    QTemporaryDir m_dir;
    sqlite3* m_db = nullptr;
};
