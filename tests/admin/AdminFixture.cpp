#include "AdminFixture.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"
#include "app/Globals.h"
#include "platform/ProgramFolder.h"
#include "testing/TForm1.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>
#include <QTest>

#include <sqlite3.h>

AdminFixture::AdminFixture() = default;
AdminFixture::~AdminFixture() = default;

void AdminFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    const QString file = m_dir.path() + QStringLiteral("/dbase.sqlite");
    QFile schema(QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql"));
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &m_db), SQLITE_OK);
    sqlite3_busy_timeout(m_db, 5000);
    exec(QStringLiteral("BEGIN"));
    exec(QString::fromUtf8(schema.readAll()));
    exec(QStringLiteral("INSERT INTO params (identifikator, vrem, kolvo, pas) VALUES (1, 15, 1, 1234)"));
    exec(QStringLiteral("COMMIT"));

    ProgramFolder::setPathForTesting(m_dir.path());
    form1 = std::make_unique<TForm1>();
    form1->FormCreate();
    Form1 = form1.get();
    form2 = std::make_unique<TForm2>();
    Form2 = form2.get();
    form4 = std::make_unique<TForm4>();
    Form4 = form4.get();
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
    sqlite3_close(m_db);
    m_db = nullptr;
}

void AdminFixture::exec(const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << "fixture SQL failed: " << (message ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
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
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "fixture SQL failed: " << sqlite3_errmsg(m_db);
        return values;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        if (sqlite3_column_type(statement, 0) == SQLITE_NULL)
            values << QStringLiteral("NULL");
        else
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
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
