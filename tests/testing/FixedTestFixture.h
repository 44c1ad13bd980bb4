#pragma once

#include "common/ScriptedDialogs.h"
#include "common/TestDatabase.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"

#include <QString>
#include <QVariant>
#include <QVector>

#include <gtest/gtest.h>

#include <memory>

class QPlainTextEdit;
class TsButton;
class TsEdit;
class TsGroupBox;
class TsLabel;
class TsRadioGroup;

// A program folder of its own with a database built from the course schema, the three
// windows of the fixed test over it (Form1, Form5, Form9 set), scripted dialogs and the
// generator as right after program start. The test fills the tables it needs before
// openWindows(), since the table objects read their snapshot then.
class FixedTestFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // SQL through a handle of the fixture's own, behind the data layer's back.
    void exec(const QString& sql);
    QVector<QVector<QVariant>> rows(const QString& sql);
    qint64 count(const QString& table);

    // Questions 1 … n: text "Вопрос k", options "Ответ k.1" … "Ответ k.5", key `key`.
    void fillBank(int n, const QString& key = QStringLiteral("A"));
    // The answer sheet as stored: nom, nom1, otv in stored order.
    QVector<QVector<QVariant>> sheet();
    // The question number stored for slot k.
    qint64 questionOfSlot(int slot);

    void openWindows();
    // Types the name and clicks "Начать тестирование".
    void start(const QString& name = QStringLiteral("Иванов"));
    void clickQuestion(int slot);
    void chooseLetter(int index);
    void handIn();

    TsButton* questionButton(int slot) const;
    TsEdit* nameEdit() const;
    QPlainTextEdit* memo() const;
    TsRadioGroup* letters() const;
    TsGroupBox* resultBox() const;
    TsLabel* resultLabel(int number) const;
    QStringList memoLines() const;

    TestDatabase m_database;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm9> m_form9;
    std::unique_ptr<TForm5> m_form5;
};
