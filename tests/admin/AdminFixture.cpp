#include "AdminFixture.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"
#include "platform/ProgramFolder.h"
#include "testing/TForm1.h"
#include "ui/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>
#include <QTest>


AdminFixture::AdminFixture() = default;
AdminFixture::~AdminFixture() = default;

void AdminFixture::SetUp()
{
    exec(QStringLiteral("INSERT INTO params (identifikator, vrem, kolvo, pas) VALUES (1, 15, 1, 1234)"));

    ProgramFolder::setPathForTesting(m_database.folder());
    form1 = std::make_unique<TForm1>();
    form1->FormCreate();
    Form1 = form1.get();
    form2 = std::make_unique<TForm2>(form1->data());
    Form2 = form2.get();
    form4 = std::make_unique<TForm4>(form1->data());
    Form4 = form4.get();
    form2->attachAddQuestionDialog(form4.get());
}

void AdminFixture::TearDown()
{
    Form4 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    form4.reset();
    form2.reset();
    form1.reset();
    ProgramFolder::setPathForTesting(QString());
}

void AdminFixture::exec(const QString& sql)
{
    m_database.exec(sql);
}

QVariant AdminFixture::scalar(const QString& sql)
{
    const QStringList values = column(sql);
    if (values.isEmpty())
        return QVariant();
    return values.front();
}

QStringList AdminFixture::column(const QString& sql)
{
    QStringList values;
    for (const QVector<QVariant>& row : m_database.rows(sql))
        values << (row.value(0).isValid() ? row.value(0).toString() : QStringLiteral("NULL"));
    return values;
}

void AdminFixture::click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void AdminFixture::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void AdminFixture::showPage(int index)
{
    form2->show();
    control<QTabWidget>(form2.get(), "PageControl1")->setCurrentIndex(index);
    settle();
}
