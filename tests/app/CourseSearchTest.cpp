#include "ReaderFixture.h"

#include "app/CourseSearchWindow.h"
#include "app/FindBar.h"
#include "ui/Globals.h"
#include "app/ReaderTools.h"
#include "app/TForm3.h"
#include "data/SearchSnippet.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsPanel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <sqlite3.h>

namespace {

class CourseSearchTest : public ReaderFixture
{
protected:
    void openSearch()
    {
        showMainWindow();
        QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        window = tools->searchWindow();
        ASSERT_TRUE(window->isVisible());
        // A dialog counts as active with its parent; wait for its own activation.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 5000));
        field = window->findChild<QLineEdit*>(QStringLiteral("SearchField"));
        results = window->findChild<QListWidget*>(QStringLiteral("SearchResults"));
        status = window->findChild<QLabel*>(QStringLiteral("SearchStatus"));
        skipped = window->findChild<QLabel*>(QStringLiteral("SearchSkipped"));
        ASSERT_TRUE(field && results && status && skipped);
        EXPECT_TRUE(field->hasFocus()) << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    }

    // Searches run off the window's thread: the answer is waited for.
    void waitForSearch() { ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isSearching(); }, 10000)); }
    void search(const QString& text)
    {
        field->setText(text);
        waitForSearch();
    }

    QStringList documents() const
    {
        QStringList result;
        for (int i = 0; i < results->count(); ++i)
            result << results->item(i)->data(Qt::UserRole).toString();
        return result;
    }

    QString titleOf(int row) const
    {
        auto* label = qobject_cast<QLabel*>(results->itemWidget(results->item(row)));
        return label ? label->text() : QString();
    }

    // The words the opened document marks, in order.
    QStringList markedWords()
    {
        QStringList words;
        bool done = false;
        view->page()->runJavaScript(
            QStringLiteral("Array.from(document.querySelectorAll('mark.vestron-found')).map(m => m.textContent)"),
            [&](const QVariant& result) {
                words = result.toStringList();
                done = true;
            });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
        return words;
    }

    CourseSearchWindow* window = nullptr;
    QLineEdit* field = nullptr;
    QListWidget* results = nullptr;
    QLabel* status = nullptr;
    QLabel* skipped = nullptr;
};

TEST_F(CourseSearchTest, TheMenuItemAndCtrlShiftFOpenTheWindow)
{
    command("N28");
    EXPECT_TRUE(tools->searchWindow()->isVisible());
    EXPECT_EQ(tools->searchWindow()->windowTitle(), QStringLiteral("Поиск по курсу"));
    tools->searchWindow()->close();
    openSearch();
    EXPECT_EQ(status->text(), QStringLiteral("Введите слово или его начало."));
    EXPECT_TRUE(skipped->isHidden());
}

TEST_F(CourseSearchTest, ResultsFollowTheTypingBestFirst)
{
    openSearch();
    type(field, QStringLiteral("нормал"));
    waitForSearch();
    ASSERT_GT(results->count(), 0);
    EXPECT_EQ(documents().front(), QStringLiteral("text/lec10.htm"));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("Лекция 10. Функциональные зависимости и нормализация")));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("background-color")));
    EXPECT_EQ(status->text(), QStringLiteral("Найдено документов: %1").arg(results->count()));
    EXPECT_EQ(results->currentRow(), 0);

    search(QStringLiteral("зюзюблик"));
    EXPECT_EQ(results->count(), 0);
    EXPECT_EQ(status->text(), QStringLiteral("Ничего не найдено."));
}

TEST_F(CourseSearchTest, EnterOpensALectureInLectureModeWithItsTopicAndTheMatchHighlighted)
{
    openSearch();
    search(QStringLiteral("нормализации"));
    ASSERT_EQ(documents().value(0), QStringLiteral("text/lec10.htm"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/lec10.htm")));
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(combo->count(), 14);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Функциональные зависимости и нормализация"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !markedWords().isEmpty(); }, 5000));
    for (const QString& word : markedWords())
        EXPECT_TRUE(word.toLower().startsWith(QStringLiteral("нормализац"))) << word.toStdString();

    // Coming back from the search window is no activation: the topic stays chosen.
    QTest::qWait(100);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Функциональные зависимости и нормализация"));
}

TEST_F(CourseSearchTest, DoubleClickOpensALabOrACourseDocumentInItsPlace)
{
    const struct {
        const char* query;
        const char* document;
        int mode;
        const char* topic;
    } rows[] = {
        {"агрегатные функции", "text/lab05.htm", 3, "Лабораторная работа 5. Группировка и агрегатные функции"},
        // A course document changes the mode and the selector no more than its menu item does.
        {"силлабус", "text/umkd/silabus.htm", 3, "Лабораторная работа 5. Группировка и агрегатные функции"},
    };
    openSearch();
    panel->show();
    view->hide();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.query);
        search(QString::fromUtf8(row.query));
        const int at = documents().indexOf(QString::fromUtf8(row.document));
        ASSERT_GE(at, 0);
        results->scrollToItem(results->item(at));
        QTest::qWait(50); // the list lays its items out when it next can
        const QRect place = results->visualItemRect(results->item(at));
        ASSERT_FALSE(place.isEmpty());
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, place.center());
        ASSERT_TRUE(waitForDocument(QString::fromUtf8(row.document)));
        EXPECT_EQ(BrowseMode, row.mode);
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(row.topic));
        EXPECT_FALSE(view->isHidden());
        EXPECT_TRUE(panel->isHidden());
    }
}

TEST_F(CourseSearchTest, UpAndDownWalkTheResults)
{
    openSearch();
    search(QStringLiteral("данных"));
    ASSERT_GT(results->count(), 2);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(results->currentRow(), 2);
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(results->currentRow(), 1);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(results->currentRow(), 0);
    const QString second = documents().at(1);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_TRUE(waitForDocument(second));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CourseSearchTest, MissingDocumentsAreNamedAndTheRestIsFound)
{
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("text/lec03.htm")));
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("text/umkd/litra.htm")));
    openSearch();
    EXPECT_FALSE(skipped->isHidden());
    EXPECT_TRUE(skipped->text().contains(QStringLiteral("text/lec03.htm")));
    EXPECT_TRUE(skipped->text().contains(QStringLiteral("text/umkd/litra.htm")));
    search(QStringLiteral("транзакция"));
    EXPECT_GT(results->count(), 0);
}

TEST_F(CourseSearchTest, ADocumentAddedToTextIsFoundAtTheNextOpening)
{
    openSearch();
    search(QStringLiteral("квазиоптимизация"));
    EXPECT_EQ(results->count(), 0);
    window->close();
    writeDocument(QStringLiteral("text/extra.htm"), QStringLiteral("<title>Дополнение</title><p>Квазиоптимизация.</p>"));
    restart();
    openSearch();
    search(QStringLiteral("квазиоптимизации"));
    EXPECT_EQ(documents(), QStringList({"text/extra.htm"}));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("Дополнение")));
}

// A title never closed once made the whole document one row's title, laid out for seconds
// at each keystroke. The row shows the title cut, and the text after it is still found.
TEST_F(CourseSearchTest, ADocumentWithATitleNeverClosedGivesAShortRow)
{
    const QString words = QStringLiteral("гиперкуб многомерный ").repeated(100000); // 2 MB
    writeDocument(QStringLiteral("text/open-title.htm"), QStringLiteral("<html><head><title>") + words);
    restart();
    openSearch();
    search(QStringLiteral("гиперкуб"));
    ASSERT_EQ(documents(), QStringList({"text/open-title.htm"}));
    EXPECT_LT(titleOf(0).size(), 2000) << "the title is cut";
    search(QStringLiteral("многомерный"));
    EXPECT_EQ(documents(), QStringList({"text/open-title.htm"}));
}

TEST_F(CourseSearchTest, NothingFoundOffersTheNearestWordOfTheCourse)
{
    openSearch();
    search(QStringLiteral("тразакция"));
    EXPECT_EQ(results->count(), 0);
    EXPECT_TRUE(status->text().contains(QStringLiteral("Возможно, вы искали:"))) << status->text().toStdString();
    EXPECT_TRUE(status->text().contains(QStringLiteral(">транзакция<"))) << status->text().toStdString();
    // A click on the offer searches for it.
    const QString link = status->text().section(QLatin1Char('"'), 1, 1);
    emit status->linkActivated(link);
    waitForSearch();
    EXPECT_EQ(field->text(), QStringLiteral("транзакция"));
    EXPECT_GT(results->count(), 0);
}

// The opened document marks the word forms the search found, never a word that merely
// contains them.
TEST_F(CourseSearchTest, TheOpenedDocumentMarksWholeWordFormsOnly)
{
    writeDocument(QStringLiteral("text/keys.htm"),
                  QStringLiteral("<title>Ключи</title><p>Ключ включает ключевой атрибут; без ключа нет.</p>"));
    restart();
    openSearch();
    search(QStringLiteral("ключ"));
    const int row = documents().indexOf(QStringLiteral("text/keys.htm"));
    ASSERT_GE(row, 0);
    results->setCurrentRow(row);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/keys.htm")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !markedWords().isEmpty(); }, 5000));
    EXPECT_EQ(markedWords(), QStringList({"Ключ", "ключевой", "ключа"}));
}

// An index damaged while the window is open is made afresh by the search that finds it so.
TEST_F(CourseSearchTest, AnIndexDamagedWhileOpenIsRebuiltBySearch)
{
    openSearch();
    search(QStringLiteral("транзакция"));
    const int before = results->count();
    ASSERT_GT(before, 0);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(folder() + QStringLiteral("search-index.sqlite")).constData(), &db),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "DROP TABLE texts", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    search(QStringLiteral("транзакции"));
    EXPECT_EQ(results->count(), before);
    EXPECT_FALSE(status->text().contains(QStringLiteral("недоступен"))) << status->text().toStdString();
}

TEST_F(CourseSearchTest, ResultTextIsEscapedAndMarked)
{
    SearchSnippet snippet;
    snippet.text = QStringLiteral("a <b> отчёт & c");
    snippet.marks = {{6, 5}};
    const QString html = CourseSearchWindow::resultHtml(QStringLiteral("T<i>"), snippet);
    EXPECT_TRUE(html.contains(QStringLiteral("T&lt;i&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("a &lt;b&gt; <b style=\"background-color:#ffe680\">отчёт</b> &amp; c")));
}

} // namespace
