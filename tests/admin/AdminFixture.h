#pragma once

#include "common/ScriptedDialogs.h"
#include "common/TestDatabase.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class TForm1;
class TForm2;
class TForm4;

// A program folder of its own with a fixture database (the course schema, the params
// record with password 1234, nothing else), the data owner TForm1, the settings window
// and the add-question dialog, and scripted dialogs. A handle of its own looks at the
// file behind the program's back.
class AdminFixture : public ::testing::Test
{
protected:
    AdminFixture();
    ~AdminFixture() override;
    void SetUp() override;
    void TearDown() override;

    void exec(const QString& sql);
    // The first column of the first row; an invalid variant when there is no row.
    QVariant scalar(const QString& sql);
    // The first column of every row, as text ("NULL" for NULL).
    QStringList column(const QString& sql);

    template <class T>
    T* control(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* button);
    // Lets queued work (the topic list's rebuild) run.
    static void settle();

    // The settings window shown on the given page (0 topics, 1 bank, 2 parameters, 3 password).
    void showPage(int index);

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm4> form4;

private:
    TestDatabase m_database;
};
