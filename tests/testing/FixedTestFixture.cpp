#include "FixedTestFixture.h"

#include "common/ScriptedDialogs.h"
#include "platform/ProgramFolder.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"
#include "ui/Globals.h"

#include <QFile>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>


void FixedTestFixture::SetUp()
{
    ProgramFolder::setPathForTesting(m_database.folder());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    RandSeed = 0;
}

void FixedTestFixture::TearDown()
{
    Form5 = nullptr;
    Form9 = nullptr;
    Form1 = nullptr;
    m_form5.reset();
    m_form9.reset();
    m_form1.reset();
    m_dialogs.reset();
    ProgramFolder::setPathForTesting(QString());
}

void FixedTestFixture::exec(const QString& sql)
{
    m_database.exec(sql);
}

QVector<QVector<QVariant>> FixedTestFixture::rows(const QString& sql)
{
    return m_database.rows(sql);
}

qint64 FixedTestFixture::count(const QString& table)
{
    return rows(QStringLiteral("SELECT count(*) FROM ") + table).value(0).value(0).toLongLong();
}

void FixedTestFixture::fillBank(int n, const QString& key)
{
    exec(QStringLiteral("BEGIN"));
    for (int k = 1; k <= n; ++k) {
        exec(QStringLiteral("INSERT INTO test VALUES (%1, 'Вопрос %1', 'Ответ %1.1', 'Ответ %1.2', "
                            "'Ответ %1.3', 'Ответ %1.4', 'Ответ %1.5', '%2')")
                 .arg(k)
                 .arg(key));
    }
    exec(QStringLiteral("COMMIT"));
}

QVector<QVector<QVariant>> FixedTestFixture::sheet()
{
    return rows(QStringLiteral("SELECT nom, nom1, otv FROM testing ORDER BY rowid"));
}

qint64 FixedTestFixture::questionOfSlot(int slot)
{
    const auto found = rows(QStringLiteral("SELECT nom1 FROM testing WHERE nom = '%1'").arg(slot));
    EXPECT_EQ(found.size(), 1) << "slot " << slot;
    return found.value(0).value(0).toLongLong();
}

void FixedTestFixture::openWindows()
{
    m_form1 = std::make_unique<TForm1>();
    Form1 = m_form1.get();
    m_form9 = std::make_unique<TForm9>();
    Form9 = m_form9.get();
    m_form5 = std::make_unique<TForm5>();
    Form5 = m_form5.get();
}

void FixedTestFixture::start(const QString& name)
{
    m_form5->openEmpty();
    nameEdit()->setText(name);
    QTest::mouseClick(m_form5->findChild<TsButton*>(QStringLiteral("sButton2")), Qt::LeftButton);
}

void FixedTestFixture::clickQuestion(int slot)
{
    QTest::mouseClick(questionButton(slot), Qt::LeftButton);
}

void FixedTestFixture::chooseLetter(int index)
{
    QRadioButton* button = letters()->button(index);
    ASSERT_NE(button, nullptr);
    // Click on the round mark itself: the rest of the cell is not the button's to take.
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect mark = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, mark.center());
}

void FixedTestFixture::handIn()
{
    QTest::mouseClick(m_form9->findChild<TsButton*>(QStringLiteral("sButton22")), Qt::LeftButton);
}

TsButton* FixedTestFixture::questionButton(int slot) const
{
    return m_form9->findChild<TsButton*>(QStringLiteral("sButton%1").arg(slot + 1));
}

TsEdit* FixedTestFixture::nameEdit() const
{
    return m_form5->findChild<TsEdit*>(QStringLiteral("sEdit1"));
}

QPlainTextEdit* FixedTestFixture::memo() const
{
    return m_form9->findChild<TsMemo*>(QStringLiteral("sMemo1"));
}

TsRadioGroup* FixedTestFixture::letters() const
{
    return m_form9->findChild<TsRadioGroup*>(QStringLiteral("sRadioGroup1"));
}

TsGroupBox* FixedTestFixture::resultBox() const
{
    return m_form9->findChild<TsGroupBox*>(QStringLiteral("sGroupBox1"));
}

TsLabel* FixedTestFixture::resultLabel(int number) const
{
    return m_form9->findChild<TsLabel*>(QStringLiteral("sLabel%1").arg(number));
}

QStringList FixedTestFixture::memoLines() const
{
    return memo()->toPlainText().split(u'\n');
}
