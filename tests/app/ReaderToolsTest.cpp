#include "ReaderFixture.h"

#include "app/FindBar.h"
#include "ui/Globals.h"
#include "app/ReaderSettings.h"
#include "app/ReaderTools.h"
#include "app/TForm3.h"
#include "app/ViewPrinting.h"
#include "app/ViewZoom.h"
#include "app/ZoomIndicator.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QAbstractItemView>
#include <QSettings>
#include "skin/controls/TsComboBox.h"
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <QWheelEvent>

namespace {

class ReaderToolsTest : public ReaderFixture
{
protected:
    void openFindDocument()
    {
        writeDocument(QStringLiteral("text/find.htm"),
                      QStringLiteral("<title>Поиск</title><p>Отчёт, отчет и ОТЧЕТ; отчётный период.</p>"
                                     "<p>Ёлка и елка.</p>"));
        showMainWindow();
        view->load(document(QStringLiteral("text/find.htm")));
        ASSERT_TRUE(waitForDocument(QStringLiteral("text/find.htm")));
    }

    bool statusBecomes(const QString& expected)
    {
        return QTest::qWaitFor([&] { return findBar->status() == expected; }, 5000);
    }

    QLineEdit* findField() const { return findBar->findChild<QLineEdit*>(QStringLiteral("FindField")); }

    QWidget* page() const { return view->focusProxy() ? view->focusProxy() : view; }

    void wheel(int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, page()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(page(), &event);
    }

    static bool isPdf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }
};

TEST_F(ReaderToolsTest, CtrlFFindsEveryMatchWithoutMindingCaseOrYo)
{
    openFindDocument();
    EXPECT_TRUE(findBar->isHidden());
    const QRect closed = view->geometry();
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(findBar->isVisible());
    EXPECT_TRUE(findField()->hasFocus());
    // Above the HTML view, which moved down to make room: no line of the document is
    // under the bar, and closing the bar gives the rows back.
    EXPECT_FALSE(findBar->geometry().intersects(view->geometry()));
    EXPECT_EQ(findBar->geometry().bottom() + 1, view->y());
    EXPECT_EQ(findBar->y(), closed.y());
    EXPECT_EQ(view->geometry().bottom(), closed.bottom());

    const struct {
        const char* typed;
        const char* status;
    } rows[] = {
        {"отчет", "1 из 4"},
        {"ОТЧЁТ", "1 из 4"},
        {"елка", "1 из 2"},
        {"ёлка", "1 из 2"},
        {"отчётн", "1 из 1"},
        {"зюзюблик", "Не найдено"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        findField()->clear();
        type(findField(), QString::fromUtf8(row.typed));
        EXPECT_TRUE(statusBecomes(QString::fromUtf8(row.status))) << findBar->status().toStdString();
    }
    findBar->close();
    EXPECT_EQ(view->geometry(), closed) << "the document has its rows back";
}

TEST_F(ReaderToolsTest, EnterAndShiftEnterStepThroughTheMatchesAndEscapeCloses)
{
    openFindDocument();
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    findField()->setText(QStringLiteral("отчет"));
    ASSERT_TRUE(statusBecomes(QStringLiteral("1 из 4")));
    const struct {
        Qt::KeyboardModifiers modifiers;
        const char* status;
    } steps[] = {
        {Qt::NoModifier, "2 из 4"},  {Qt::NoModifier, "3 из 4"},   {Qt::NoModifier, "4 из 4"},
        {Qt::NoModifier, "1 из 4"},  {Qt::ShiftModifier, "4 из 4"}, {Qt::ShiftModifier, "3 из 4"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.status);
        QTest::keyClick(findField(), Qt::Key_Return, step.modifiers);
        EXPECT_TRUE(statusBecomes(QString::fromUtf8(step.status))) << findBar->status().toStdString();
    }
    QTest::keyClick(findField(), Qt::Key_Escape);
    EXPECT_TRUE(findBar->isHidden());
    EXPECT_TRUE(findBar->status().isEmpty());
    // Opened again, the bar keeps its text, selected for typing over.
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(findField()->selectedText(), QStringLiteral("отчет"));
    // Escape with the focus on the page closes it as well.
    page()->setFocus();
    QTest::keyClick(page(), Qt::Key_Escape);
    EXPECT_TRUE(findBar->isHidden());
}

TEST_F(ReaderToolsTest, FindWaitsForADocumentOnTheView)
{
    showMainWindow();
    command("N18");
    combo->showPopup();
    combo->view()->setCurrentIndex(combo->model()->index(0, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return); // a practical work: its name on the panel
    ASSERT_TRUE(view->isHidden());
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(findBar->isHidden());
}

TEST_F(ReaderToolsTest, ZoomKeysAndCtrlWheelStayWithinFiftyAndThreeHundredPercent)
{
    openFindDocument();
    ViewZoom* zoom = tools->zoom();
    EXPECT_EQ(zoom->percent(), 100);
    const struct {
        Qt::Key key;
        int percent;
    } keys[] = {
        {Qt::Key_Plus, 110}, {Qt::Key_Equal, 125}, {Qt::Key_Minus, 110}, {Qt::Key_Minus, 100},
        {Qt::Key_Minus, 90}, {Qt::Key_0, 100},
    };
    ZoomIndicator* indicator = zoom->indicator();
    EXPECT_TRUE(indicator->isHidden()) << "nothing shows before the student zooms";
    for (const auto& key : keys) {
        SCOPED_TRACE(key.percent);
        QTest::keyClick(Form3, key.key, Qt::ControlModifier);
        EXPECT_EQ(zoom->percent(), key.percent);
        EXPECT_DOUBLE_EQ(view->zoomFactor(), key.percent / 100.0);
        // The level shows for a moment over the middle of the document.
        EXPECT_TRUE(indicator->isVisible());
        EXPECT_EQ(indicator->text(), QStringLiteral("%1\u00A0%").arg(key.percent));
        EXPECT_TRUE(view->geometry().contains(indicator->geometry()));
        EXPECT_LE((indicator->geometry().center() - view->geometry().center()).manhattanLength(), 2);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return indicator->isHidden(); }, 5000)) << "and goes away by itself";
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(Form3, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 300);
    EXPECT_EQ(indicator->text(), QStringLiteral("300\u00A0%")) << "at the limit it still answers";
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(Form3, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 50);

    zoom->reset();
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 110);
    wheel(-240, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 90);
    // Half notches add up; a wheel without Ctrl scrolls and leaves the zoom.
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 90);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(zoom->percent(), 100);
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(zoom->percent(), 100);

    // Kept for the next start, and for the next document.
    zoom->setPercent(150);
    restart();
    EXPECT_EQ(tools->zoom()->percent(), 150);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.5);
    command("N7");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/about.htm")));
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.5);
}

TEST_F(ReaderToolsTest, AStoredZoomOutOfRangeIsBroughtBack)
{
    ReaderSettings::setZoomPercent(1000);
    EXPECT_EQ(ReaderSettings::zoomPercent(), 300);
    QSettings(ReaderSettings::organization(), ReaderSettings::application()).setValue("view/zoom", "много");
    EXPECT_EQ(ReaderSettings::zoomPercent(), 100);
    QSettings(ReaderSettings::organization(), ReaderSettings::application()).setValue("view/zoom", 10);
    EXPECT_EQ(ReaderSettings::zoomPercent(), 50);
    EXPECT_EQ(ViewZoom::nextStep(100, +1), 110);
    EXPECT_EQ(ViewZoom::nextStep(100, -1), 90);
    EXPECT_EQ(ViewZoom::nextStep(105, -1), 100);
    EXPECT_EQ(ViewZoom::nextStep(105, +1), 110);
}

TEST_F(ReaderToolsTest, AltArrowsAndTheMouseSideButtonsWalkTheDocumentsSeen)
{
    showMainWindow();
    command("N7");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/about.htm")));
    command("N20");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/silabus.htm")));
    command("N25");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/litra.htm")));

    QTest::keyClick(Form3, Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/silabus.htm")));
    QTest::keyClick(Form3, Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/about.htm")));
    QTest::keyClick(Form3, Qt::Key_Right, Qt::AltModifier);
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/silabus.htm")));

    QTest::mouseClick(page(), Qt::ForwardButton, {}, QPoint(50, 50));
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/litra.htm")));
    QTest::mouseClick(page(), Qt::BackButton, {}, QPoint(50, 50));
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/silabus.htm")));
    // The side button over the window around the view works the same.
    QTest::mouseClick(Form3, Qt::BackButton, {}, QPoint(5, 5));
    EXPECT_TRUE(waitForDocument(QStringLiteral("text/umkd/about.htm")));
    EXPECT_EQ(BrowseMode, 0);
}

TEST_F(ReaderToolsTest, CtrlPPrintsTheOpenDocumentThroughThePrintDialog)
{
    openFindDocument();
    QSignalSpy printed(tools->printing(), &ViewPrinting::printed);
    const QString pdf = folder() + QStringLiteral("printed.pdf");

    dialogs.printerAnswers.push_back(std::nullopt); // cancelled
    QTest::keyClick(Form3, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("print"));
    QTest::qWait(200);
    EXPECT_TRUE(printed.isEmpty());

    dialogs.printerAnswers.push_back(pdf);
    QTest::keyClick(Form3, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(printed.wait(20000));
    EXPECT_TRUE(printed.front().front().toBool());
    EXPECT_TRUE(isPdf(pdf));
    EXPECT_EQ(dialogs.messages(), QStringList());
}

TEST_F(ReaderToolsTest, WithoutADocumentPrintingSaysSo)
{
    showMainWindow();
    QTest::keyClick(Form3, Qt::Key_P, Qt::ControlModifier);
    tools->printing()->saveAsPdf();
    ASSERT_EQ(dialogs.boxes.size(), 2);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.kind, QStringLiteral("message"));
        EXPECT_EQ(box.text, QStringLiteral("Откройте документ, который нужно напечатать или сохранить."));
    }
}

TEST_F(ReaderToolsTest, TheContextMenuSavesTheDocumentAsPdf)
{
    openFindDocument();
    QTest::mouseClick(page(), Qt::RightButton, {}, QPoint(60, 20));
    QMenu* menu = nullptr;
    QTest::qWaitFor([&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("ViewContextMenu") && top->isVisible())
                menu = qobject_cast<QMenu*>(top);
        }
        return menu != nullptr;
    }, 5000);
    ASSERT_NE(menu, nullptr);
    QAction* save = menu->findChild<QAction*>(QStringLiteral("SaveAsPdf"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Сохранить как PDF…"));
    EXPECT_GT(menu->actions().size(), 1); // the view's own items stay

    QSignalSpy saved(tools->printing(), &ViewPrinting::pdfSaved);
    dialogs.fileAnswers.push_back(folder() + QStringLiteral("Лекция"));
    menu->close();
    save->trigger();
    ASSERT_TRUE(saved.wait(20000));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("save"));
    EXPECT_TRUE(tools->printing()->suggestedPdfName().endsWith(QStringLiteral("/Поиск.pdf"))); // the title
    EXPECT_EQ(saved.front()[0].toString(), folder() + QStringLiteral("Лекция.pdf"));
    EXPECT_TRUE(saved.front()[1].toBool());
    EXPECT_TRUE(isPdf(folder() + QStringLiteral("Лекция.pdf")));
}

TEST_F(ReaderToolsTest, APdfThatCannotBeWrittenIsReported)
{
    openFindDocument();
    QSignalSpy saved(tools->printing(), &ViewPrinting::pdfSaved);
    dialogs.fileAnswers.push_back(folder() + QStringLiteral("no/such/folder/x.pdf"));
    tools->printing()->saveAsPdf();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.front()[1].toBool());
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes[1].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs.boxes[1].text.contains(QStringLiteral("x.pdf")));
}

} // namespace

// Back and forward put the mode, the topic and «Презентация» back as they were with the
// document they return to, so the button acts on the topic on view.
TEST_F(ReaderToolsTest, BackAndForwardCarryTheModeTheTopicAndTheButton)
{
    const QString lab = QStringLiteral("Лабораторная работа 2. Заполнение и изменение данных");
    const QString lecture = QStringLiteral("Реляционная модель данных");
    auto* presentation = Form3->findChild<QWidget*>(QStringLiteral("sBitBtn1"));
    ASSERT_NE(presentation, nullptr);
    showMainWindow();
    const auto chooseTopic = [&](const char* list, const QString& topic) {
        command(list);
        const int index = combo->findText(topic, Qt::MatchExactly);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    };
    command("N7");
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/umkd/about.htm")));
    chooseTopic("N17", lab);
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/lab02.htm")));
    chooseTopic("N1", lecture);
    ASSERT_TRUE(waitForDocument(QStringLiteral("text/lec03.htm")));

    const struct {
        const char* step;
        Qt::Key key;
        const char* document;
        int mode;
        QString topic;
        bool buttonEnabled;
    } rows[] = {
        {"back to the laboratory work", Qt::Key_Left, "text/lab02.htm", 3, lab, false},
        {"back to the course document", Qt::Key_Left, "text/umkd/about.htm", 0, TForm3::placeholder(), true},
        {"forward to the laboratory work", Qt::Key_Right, "text/lab02.htm", 3, lab, false},
        {"forward to the lecture", Qt::Key_Right, "text/lec03.htm", 1, lecture, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        QTest::keyClick(Form3, row.key, Qt::AltModifier);
        EXPECT_TRUE(waitForDocument(QString::fromLatin1(row.document)));
        EXPECT_EQ(BrowseMode, row.mode);
        EXPECT_EQ(combo->currentText(), row.topic);
        EXPECT_EQ(presentation->isEnabled(), row.buttonEnabled);
    }
}
