#include "ReaderFixture.h"

#include "ui/Globals.h"
#include "app/ReaderSettings.h"
#include "app/TForm8.h"
#include "app/TForm3.h"
#include "skin/controls/TsComboBox.h"

#include <QAbstractItemView>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class LastPlaceTest : public ReaderFixture
{
protected:
    // Chooses the lecture as the student does and scrolls it down.
    void readLectureAndScroll(const QString& topic)
    {
        showMainWindow();
        command("N1");
        const int index = combo->findText(topic, Qt::MatchExactly);
        ASSERT_GE(index, 0);
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
        ASSERT_TRUE(waitForDocument(QStringLiteral("text/lec05.htm")));
        view->page()->runJavaScript(QStringLiteral("window.scrollTo(0, 700)"));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const auto place = ReaderSettings::lastPlace();
            return place && place->scrollY == 700;
        }, 5000));
    }

    const QString topic = QStringLiteral("Модель «сущность — связь»");
};

TEST_F(LastPlaceTest, TheNextStartReopensTheDocumentModeTopicAndScrollPosition)
{
    readLectureAndScroll(topic);
    restart();
    EXPECT_EQ(BrowseMode, 0); // nothing before the main window is shown
    showMainWindow();
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/lec05.htm")));
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(combo->count(), 14);
    EXPECT_EQ(combo->currentText(), topic);
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrollY() == 700; }, 5000)) << scrollY();

    // Later activations are the old ones: the selector is emptied, nothing reopened.
    Form3->N5Click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form8));
    showMainWindow();
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), TForm3::placeholder());
}

TEST_F(LastPlaceTest, ACourseDocumentComesBackInTheModeItWasReadIn)
{
    showMainWindow();
    command("N17");
    command("N24");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/ekz_vopr.htm")));
    restart();
    showMainWindow();
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/ekz_vopr.htm")));
    EXPECT_EQ(BrowseMode, 3);
    EXPECT_EQ(combo->count(), 8);
    EXPECT_EQ(combo->currentText(), TForm3::placeholder());
}

TEST_F(LastPlaceTest, NothingIsReopenedWhenSwitchedOffOrTheDocumentIsGone)
{
    const struct {
        const char* name;
        bool switchOff;
        bool removeDocument;
    } rows[] = {
        {"switched off", true, false},
        {"document gone", false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QSettings(ReaderSettings::organization(), ReaderSettings::application()).setValue("reader/restoreLastPlace", true);
        ReaderSettings::setLastPlace({QStringLiteral("text/lec05.htm"), 1, 300});
        if (row.switchOff)
            QSettings(ReaderSettings::organization(), ReaderSettings::application()).setValue("reader/restoreLastPlace", false);
        if (row.removeDocument)
            ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("text/lec05.htm")));
        restart();
        showMainWindow();
        QTest::qWait(300);
        EXPECT_TRUE(view->url().isEmpty());
        EXPECT_EQ(BrowseMode, 0);
        EXPECT_EQ(combo->count(), 0);
    }
}

TEST_F(LastPlaceTest, AStoredPlaceOutsideTheRulesIsIgnoredOrMended)
{
    QSettings settings(ReaderSettings::organization(), ReaderSettings::application());
    settings.setValue("reader/document", "text/lec05.htm");
    settings.setValue("reader/browseMode", 9);
    settings.setValue("reader/scrollY", -40);
    settings.sync();
    auto place = ReaderSettings::lastPlace();
    ASSERT_TRUE(place);
    EXPECT_EQ(place->browseMode, 0);
    EXPECT_EQ(place->scrollY, 0);
    settings.setValue("reader/document", "../../etc/passwd");
    settings.sync();
    restart();
    showMainWindow();
    QTest::qWait(300);
    EXPECT_TRUE(view->url().isEmpty());
}

} // namespace
