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
#include <QWebEngineView>

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
    ASSERT_GT(results->count(), 0);
    EXPECT_EQ(documents().front(), QStringLiteral("text/lec10.htm"));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("Лекция 10. Функциональные зависимости и нормализация")));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("background-color")));
    EXPECT_EQ(status->text(), QStringLiteral("Найдено документов: %1").arg(results->count()));
    EXPECT_EQ(results->currentRow(), 0);

    field->setText(QStringLiteral("зюзюблик"));
    EXPECT_EQ(results->count(), 0);
    EXPECT_EQ(status->text(), QStringLiteral("Ничего не найдено."));
}

TEST_F(CourseSearchTest, EnterOpensALectureInLectureModeWithItsTopicAndTheMatchHighlighted)
{
    openSearch();
    field->setText(QStringLiteral("нормализации"));
    ASSERT_EQ(documents().value(0), QStringLiteral("text/lec10.htm"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/lec10.htm")));
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(combo->count(), 14);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Функциональные зависимости и нормализация"));
    EXPECT_TRUE(findBar->isVisible());
    EXPECT_EQ(findBar->text(), QStringLiteral("нормализац"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return findBar->status().contains(QStringLiteral(" из ")); }, 5000))
        << findBar->status().toStdString();

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
        field->setText(QString::fromUtf8(row.query));
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
    field->setText(QStringLiteral("данных"));
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
    field->setText(QStringLiteral("транзакция"));
    EXPECT_GT(results->count(), 0);
}

TEST_F(CourseSearchTest, ADocumentAddedToTextIsFoundAtTheNextOpening)
{
    openSearch();
    field->setText(QStringLiteral("квазиоптимизация"));
    EXPECT_EQ(results->count(), 0);
    window->close();
    writeDocument(QStringLiteral("text/extra.htm"), QStringLiteral("<title>Дополнение</title><p>Квазиоптимизация.</p>"));
    restart();
    openSearch();
    field->setText(QStringLiteral("квазиоптимизации"));
    EXPECT_EQ(documents(), QStringList({"text/extra.htm"}));
    EXPECT_TRUE(titleOf(0).contains(QStringLiteral("Дополнение")));
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
