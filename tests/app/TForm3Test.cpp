#include "ShellFixture.h"

#include "admin/TForm2.h"
#include "app/TForm3.h"
#include "app/TForm8.h"
#include "platform/ShellOpen.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsPanel.h"
#include "testing/TForm5.h"
#include "testing/TimedTestRegistration.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>

#include <optional>

namespace {

const char* const kCourseRows = R"sql(
INSERT INTO temi (nom, name, file_name, file_pr, "check") VALUES
  (1, 'Тема 10', 't10.htm', 't10.pdf', 0),
  (2, 'Тема 1', 't1.htm', 't1.pdf', 1),
  (3, 'Введение в базы данных', 'intro.htm', 'intro.pdf', 0),
  (4, 'Вариант данных', 'var.htm', 'var.pdf', 0),
  (5, 'Ввод данных', 'input.htm', 'input.pdf', 0),
  (6, 'Алгебра отношений', 'alg.htm', 'alg.pdf', 0);
INSERT INTO prakt (name, file_name) VALUES
  ('Практика 1', 'p1.pdf'), ('Практика 2', 'p2.pdf'), ('Практика 3', 'p3.pdf');
INSERT INTO lab (name, file_name) VALUES
  ('Лабораторная 1', 'lab1.htm'), ('Лабораторная 2', 'lab2.htm');
)sql";

class TForm3Test : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        startWithRows(QString::fromUtf8(kCourseRows));
        if (!HasFatalFailure())
            findControls();
    }

    // Starts again on a database with only the given rows.
    void restartWithRows(const QString& rows)
    {
        windows.destroy();
        startWithRows(rows);
        if (!HasFatalFailure())
            findControls();
    }

    void findControls()
    {
        combo = Form3->findChild<TsComboBox*>(QStringLiteral("sComboBox1"));
        view = Form3->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
        panel = Form3->findChild<TsPanel*>(QStringLiteral("sPanel1"));
        button = Form3->findChild<TsBitBtn*>(QStringLiteral("sBitBtn1"));
        ASSERT_TRUE(combo && view && panel && button);
    }

    void command(const char* name)
    {
        auto* action = Form3->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    // Chooses an item the way the student does: opens the list, moves to the item, Enter.
    void choose(const QString& text)
    {
        const int index = combo->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    // Key by key; QTest::keyClicks takes Latin letters only.
    void type(const QString& text)
    {
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key(letter.toUpper().unicode()),
                                QString(letter), Qt::NoModifier);
    }

    void eraseSelector()
    {
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    }

    QStringList items() const
    {
        QStringList result;
        for (int i = 0; i < combo->count(); ++i)
            result << combo->itemText(i);
        return result;
    }

    QUrl document(const QString& relative) const { return QUrl::fromLocalFile(folder() + relative); }

    // The view takes a navigation on its own; its URL follows once the engine has it.
    static QUrl urlOf(QWebEngineView* browser, const QUrl& expected)
    {
        for (int i = 0; i < 200 && browser->url() != expected; ++i)
            QTest::qWait(10);
        return browser->url();
    }
    QUrl shown(const QUrl& expected) const { return urlOf(view, expected); }
    // Lets a navigation that should not have been asked for show itself.
    QUrl settled() const
    {
        QTest::qWait(100);
        return view->url();
    }

    void showMainWindow()
    {
        WindowStyle::showWindow(*Form3);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    }

    TsComboBox* combo = nullptr;
    QWebEngineView* view = nullptr;
    TsPanel* panel = nullptr;
    TsBitBtn* button = nullptr;
};

TEST_F(TForm3Test, StartsInModeZeroWithThePlaceholderAndTheLayoutGeometry)
{
    EXPECT_EQ(BrowseMode, 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Название темы"));
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(settled().isEmpty());
    EXPECT_EQ(Form3->windowTitle(), QStringLiteral("Электронный учебник \"Вестрон\""));
    EXPECT_EQ(view->geometry(), QRect(8, 80, 865, 545));
    EXPECT_EQ(panel->geometry(), view->geometry());
    EXPECT_EQ(button->geometry(), QRect(704, 8, 169, 65));
    EXPECT_EQ(combo->geometry(), QRect(8, 20, 673, 28));
    EXPECT_EQ(button->iconSize(), QSize(24, 24));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(panel->font().pixelSize(), 32);
    EXPECT_TRUE(panel->font().bold());
}

TEST_F(TForm3Test, TheMenuHasEveryCommandInOrder)
{
    auto* bar = Form3->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    ASSERT_NE(bar, nullptr);
    QStringList names;
    QStringList captions;
    for (QAction* action : bar->actions()) {
        names << (action->menu() ? action->menu()->objectName() : action->objectName());
        captions << action->text();
    }
    EXPECT_EQ(names, QStringList({"N19", "N1", "N17", "N18", "N3", "N5", "N28", "N26", "N27", "N6"}));
    EXPECT_EQ(captions, QStringList({"УМКД", "Лекции", "Лабораторные", "Практические", "Тестирование",
                                     "Руководство пользователя", "Поиск по курсу…", "Контрольный тест", "Настройки",
                                     "Выход"}));
}

TEST_F(TForm3Test, TheCourseDocumentsOpenFromTheProgramFolderAndChangeNothingElse)
{
    const struct {
        const char* item;
        const char* caption;
        const char* file;
    } rows[] = {
        {"N7", "О дисциплине", "text/umkd/about.htm"},
        {"N20", "Силлабус", "text/umkd/silabus.htm"},
        {"N21", "Планы практических занятий", "text/umkd/plan_pr.htm"},
        {"N22", "Планы лабораторных занятий", "text/umkd/plan_lab.htm"},
        {"N8", "СРСП", "text/umkd/srsp.htm"},
        {"N23", "Рубежный контроль", "text/umkd/rubezh.htm"},
        {"N24", "Экзаменационные вопросы", "text/umkd/ekz_vopr.htm"},
        {"N25", "Литература", "text/umkd/litra.htm"},
    };
    command("N18");
    const QStringList listed = items();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        EXPECT_EQ(Form3->findChild<QAction*>(row.item)->text(), QString::fromUtf8(row.caption));
        command(row.item);
        EXPECT_EQ(shown(document(QString::fromLatin1(row.file))), document(QString::fromLatin1(row.file)));
        EXPECT_EQ(BrowseMode, 2);
        EXPECT_EQ(items(), listed);
    }
}

TEST_F(TForm3Test, TheListCommandsFillTheSelectorAndSetTheMode)
{
    const struct {
        const char* item;
        int mode;
        QStringList names;
        bool buttonEnabled;
        bool hidesPanel;
    } rows[] = {
        {"N1", 1, {"Тема 10", "Тема 1", "Введение в базы данных", "Вариант данных", "Ввод данных",
                 "Алгебра отношений"}, true, true},
        {"N17", 3, {"Лабораторная 1", "Лабораторная 2"}, false, true},
        {"N18", 2, {"Практика 1", "Практика 2", "Практика 3"}, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        panel->show();
        view->hide();
        command(row.item);
        EXPECT_EQ(BrowseMode, row.mode);
        EXPECT_EQ(items(), row.names);
        EXPECT_EQ(combo->currentText(), QStringLiteral("Название темы"));
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(button->isEnabled(), row.buttonEnabled);
        EXPECT_EQ(panel->isHidden(), row.hidesPanel);
        EXPECT_EQ(view->isHidden(), !row.hidesPanel);
    }
}

// Тема 10 is listed before Тема 1; the search goes in ascending name order.
TEST_F(TForm3Test, ChoosingALectureOpensItsOwnDocument)
{
    showMainWindow();
    command("N1");
    choose(QStringLiteral("Тема 1"));
    EXPECT_EQ(shown(document("text/t1.htm")), document("text/t1.htm"));
    choose(QStringLiteral("Тема 10"));
    EXPECT_EQ(shown(document("text/t10.htm")), document("text/t10.htm"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Тема 10"));
}

TEST_F(TForm3Test, TypingOpensTheFirstLectureForEveryPrefixInAnyCase)
{
    const struct {
        const char* typed;
        const char* file;
    } rows[] = {
        {"В", "text/var.htm"},  // Вариант < Введение < Ввод
        {"ВВ", "text/intro.htm"},
        {"ВВО", "text/input.htm"},
        {"ВВОЗ", "text/input.htm"}, // no match: the record found last stays current
    };
    showMainWindow();
    command("N1");
    for (const QString& letters : {QStringLiteral("ВВОЗ"), QStringLiteral("ввоз"), QStringLiteral("вВоЗ")}) {
        eraseSelector(); // an empty text begins every name: the first in ascending order
        EXPECT_EQ(shown(document("text/alg.htm")), document("text/alg.htm"));
        for (int i = 0; i < letters.size(); ++i) {
            SCOPED_TRACE(letters.left(i + 1).toStdString());
            type(letters.mid(i, 1));
            EXPECT_EQ(shown(document(QString::fromLatin1(rows[i].file))), document(QString::fromLatin1(rows[i].file)));
        }
    }
    eraseSelector();
    type(QStringLiteral("вВеД"));
    EXPECT_EQ(shown(document("text/intro.htm")), document("text/intro.htm"));
}

// The skinned topic selector: while focused the live editor shows what the student types
// and chooses, inside the skin's frame and button; unfocused the whole face shows the text.
TEST_F(TForm3Test, TheSkinnedSelectorShowsItsLiveEditorWhileFocused)
{
    showMainWindow();
    auto* box = Form3->findChild<TsGroupBox*>(QStringLiteral("sGroupBox1"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(combo->SkinData.IsSkinned());
    ASSERT_TRUE(box->SkinData.IsSkinned());
    EXPECT_EQ(box->CaptionBox().Left, 6) << "«Тема» from x = 6 + 4";
    command("N1");
    combo->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(combo->ShowsLiveEditor()) << "no item chosen, yet the editor shows";
    EXPECT_EQ(combo->lineEdit()->geometry(), combo->EditFieldRect());
    eraseSelector();
    type(QStringLiteral("ВВЕД"));
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("ВВЕД"));
    EXPECT_TRUE(combo->ShowsLiveEditor());
    choose(QStringLiteral("Тема 10"));
    EXPECT_TRUE(combo->ShowsLiveEditor());

    button->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(combo->ShowsLiveEditor());
    const QImage shown = combo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage face = combo->SkinData.CacheBitmap->imageView().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, face) << "the whole face, with the skin's «Тема 10»";
}

TEST_F(TForm3Test, TextSetByTheProgramDoesNotRunTheTopicChange)
{
    showMainWindow();
    command("N1");
    combo->setEditText(QStringLiteral("Тема 1"));
    combo->setCurrentIndex(2);
    EXPECT_TRUE(settled().isEmpty());
}

TEST_F(TForm3Test, ALaboratoryWorkOpensItsDocumentAndTheButtonIsOff)
{
    showMainWindow();
    command("N17");
    choose(QStringLiteral("Лабораторная 2"));
    EXPECT_EQ(shown(document("text/lab2.htm")), document("text/lab2.htm"));
    EXPECT_FALSE(button->isEnabled());
    Form3->sBitBtn1Click();
    EXPECT_TRUE(shellCalls.isEmpty());
}

TEST_F(TForm3Test, APracticalWorkShowsItsNameOnThePanel)
{
    showMainWindow();
    command("N1");
    choose(QStringLiteral("Тема 1"));
    command("N18");
    choose(QStringLiteral("Практика 2"));
    EXPECT_TRUE(view->isHidden());
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->caption(), QStringLiteral("Практика 2"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Название темы"));
    EXPECT_EQ(shown(document("text/t1.htm")), document("text/t1.htm"));

    // The same work can be chosen again right away.
    panel->setCaption(QString());
    choose(QStringLiteral("Практика 2"));
    EXPECT_EQ(panel->caption(), QStringLiteral("Практика 2"));

    command("N1");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(view->isHidden());
    EXPECT_EQ(shown(document("text/t1.htm")), document("text/t1.htm"));
}

TEST_F(TForm3Test, InModeZeroTheSelectorAndTheButtonDoNothing)
{
    showMainWindow();
    type(QStringLiteral("Тема"));
    button->click();
    EXPECT_TRUE(settled().isEmpty());
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(shellCalls.isEmpty());
    EXPECT_EQ(BrowseMode, 0);
}

TEST_F(TForm3Test, PresentationsAreHandedToTheShellFromTheProgramFolder)
{
    showMainWindow();
    command("N1");
    choose(QStringLiteral("Тема 1"));
    button->click();
    command("N18");
    choose(QStringLiteral("Практика 1"));
    button->click();
    ASSERT_EQ(shellCalls.size(), 2);
    EXPECT_EQ(shellCalls[0].file, folder() + "text/present/t1.pdf");
    EXPECT_EQ(shellCalls[1].file, folder() + "text/present_prakt/p1.pdf");
    for (const auto& call : shellCalls) {
        EXPECT_TRUE(QDir::isAbsolutePath(call.file));
        EXPECT_TRUE(call.parameters.isEmpty());
        EXPECT_TRUE(call.directory.isEmpty());
        EXPECT_EQ(call.showCommand, 5);
    }
}

// Right after the list is loaded nothing is chosen: the table's current record, the last.
TEST_F(TForm3Test, APresentationBeforeAnyChoiceIsThatOfTheLastRecord)
{
    command("N18");
    button->click();
    command("N1");
    button->click();
    ASSERT_EQ(shellCalls.size(), 2);
    EXPECT_EQ(shellCalls[0].file, folder() + "text/present_prakt/p3.pdf");
    EXPECT_EQ(shellCalls[1].file, folder() + "text/present/alg.pdf");
}

TEST_F(TForm3Test, ALongPresentationPathIsPassedWhole)
{
    const QString longName = QString(150, u'д') + QStringLiteral(".pdf");
    restartWithRows(QStringLiteral("INSERT INTO temi (name, file_name, file_pr) VALUES ('Длинная', 'l.htm', '%1');")
                        .arg(longName));
    Form3->N1Click();
    Form3->sBitBtn1Click();
    ASSERT_EQ(shellCalls.size(), 1);
    EXPECT_EQ(shellCalls[0].file, folder() + "text/present/" + longName);
}

TEST_F(TForm3Test, ActivationEmptiesTheSelectorAndKeepsTheMode)
{
    showMainWindow();
    command("N1");
    choose(QStringLiteral("Тема 1"));
    WindowStyle::showWindow(*Form8);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form8));
    EXPECT_EQ(combo->count(), 6);
    WindowStyle::showWindow(*Form3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Название темы"));
    EXPECT_EQ(BrowseMode, 1);
    EXPECT_EQ(shown(document("text/t1.htm")), document("text/t1.htm"));
    // Typing still acts in the current mode.
    eraseSelector();
    type(QStringLiteral("Тема 10"));
    EXPECT_EQ(shown(document("text/t10.htm")), document("text/t10.htm"));
}

TEST_F(TForm3Test, ComingBackFromABoxIsNoActivationOfTheWindow)
{
    showMainWindow();
    command("N1");
    QDialog box(Form3);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    WindowStyle::showWindow(*Form3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    EXPECT_EQ(combo->count(), 6);
}

TEST_F(TForm3Test, TestingShowsTheRegistrationWithAnEmptyName)
{
    auto* name = Form5->findChild<QLineEdit*>(QStringLiteral("sEdit1"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("Иванов"));
    command("N3");
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_TRUE(name->text().isEmpty());
}

TEST_F(TForm3Test, TheTimedTestAndTheSettingsOpenFromTheirOwnItems)
{
    restartWithRows(QStringLiteral("INSERT INTO params (identifikator, vrem, kolvo, pas) VALUES (1, 15, 1, 1234);"));
    command("N26");
    EXPECT_TRUE(FormTimedTestRegistration->isVisible());
    EXPECT_TRUE(dialogs.boxes.isEmpty());

    const struct {
        const char* name;
        std::optional<QString> typed;
        bool opens;
        QStringList messages;
    } rows[] = {
        {"cancelled", std::nullopt, false, {}},
        {"wrong password", QStringLiteral("4321"), false, {QStringLiteral("Неправильный пароль!")}},
        {"right password", QStringLiteral("1234"), true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Form2->hide();
        dialogs.clear();
        dialogs.inputAnswers.push_back(row.typed);
        command("N27");
        ASSERT_FALSE(dialogs.boxes.isEmpty());
        EXPECT_EQ(dialogs.boxes.front().kind, QStringLiteral("input"));
        EXPECT_EQ(Form2->isVisible(), row.opens);
        EXPECT_EQ(dialogs.messages(), row.messages);
    }
}

TEST_F(TForm3Test, TheManualOpensAtItsFirstPageEveryTime)
{
    command("N5");
    EXPECT_TRUE(Form8->isVisible());
    EXPECT_EQ(urlOf(Form8->WebBrowser1(), document("text/help.htm")), document("text/help.htm"));
    Form8->WebBrowser1()->load(document("text/other.htm"));
    Form8->close();
    EXPECT_TRUE(Form8->isHidden());
    command("N5");
    EXPECT_TRUE(Form8->isVisible());
    EXPECT_EQ(urlOf(Form8->WebBrowser1(), document("text/help.htm")), document("text/help.htm"));
}

TEST_F(TForm3Test, AnEmptyNameStopsTheListWithTheErrorReport)
{
    restartWithRows(QStringLiteral("INSERT INTO lab (name, file_name) VALUES ('Первая', 'a.htm'), (NULL, 'b.htm');"));
    QMetaObject::invokeMethod(Form3, "N17Click", Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Учебник"));
    // The steps before the failing one stay done.
    EXPECT_EQ(BrowseMode, 3);
    EXPECT_EQ(combo->count(), 1);
}

} // namespace

// A click into the selector while it shows the placeholder selects it, so typing replaces
// it wherever the click landed; a chosen topic is edited where the caret is put.
TEST_F(TForm3Test, TypingReplacesThePlaceholderButNotAChosenTopic)
{
    const struct {
        const char* name;
        const char* chosen; // nullptr: the placeholder shows
        bool clickAtEnd;
        QString expected;
    } rows[] = {
        {"placeholder, click at the end", nullptr, true, QStringLiteral("ТЕ")},
        {"placeholder, click at the start", nullptr, false, QStringLiteral("ТЕ")},
        {"a chosen topic, click at the end", "Тема 10", true, QStringLiteral("Тема 10ТЕ")},
    };
    showMainWindow();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        command("N1");
        if (row.chosen)
            choose(QString::fromUtf8(row.chosen));
        button->setFocus();
        QApplication::processEvents();
        QLineEdit* editor = combo->lineEdit();
        const QPoint at(row.clickAtEnd ? editor->width() - 3 : 3, editor->height() / 2);
        QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
        type(QStringLiteral("ТЕ"));
        EXPECT_EQ(editor->text(), row.expected);
    }
}
