#include "ShellFixture.h"

#include "admin/TForm2.h"
#include "admin/TForm4.h"
#include "app/Startup.h"
#include "app/TForm3.h"
#include "app/TForm6.h"
#include "app/TForm8.h"
#include "platform/JpegReader.h"
#include "skin/SkinLookups.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "testing/TForm1.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"
#include "testing/TimedTestRegistration.h"
#include "ui/Globals.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineView>

#include <unistd.h>

namespace {

class WindowSetTest : public ShellFixture
{
};

// Runs the message loop until something ends it; a loop still running after the limit
// ends with 99, so a fault cannot hang the test program.
int runLoop(const std::function<void()>& firstStep)
{
    QTimer::singleShot(0, firstStep);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

TEST_F(WindowSetTest, CreatesTheWindowsOnceHiddenInOrder)
{
    startWithRows(QString());
    const std::vector<QWidget*> created = windows.windows();
    // The timed test's registration window comes last, after the designed eight.
    const std::vector<QWidget*> references = {Form6, Form3, Form1, Form2, Form4, Form8, Form9, Form5,
                                              FormTimedTestRegistration};
    const char* classes[] = {"TForm6", "TForm3", "TForm1", "TForm2", "TForm4", "TForm8", "TForm9", "TForm5",
                             "TimedTestRegistration"};
    ASSERT_EQ(created.size(), 9u);
    for (size_t i = 0; i < created.size(); ++i) {
        SCOPED_TRACE(classes[i]);
        EXPECT_EQ(created[i], references[i]);
        EXPECT_STREQ(created[i]->metaObject()->className(), classes[i]);
        EXPECT_TRUE(created[i]->isHidden());
    }
    // The creation handlers ran: the statement connection is open, the manual requested.
    EXPECT_TRUE(Form1->data().ADOConnection1.isOpen());
    const QUrl manual = QUrl::fromLocalFile(folder() + "text/help.htm");
    for (int i = 0; i < 200 && Form8->WebBrowser1()->url() != manual; ++i)
        QTest::qWait(10);
    EXPECT_EQ(Form8->WebBrowser1()->url(), manual);
    EXPECT_TRUE(Form6->Timer1.isActive());
    EXPECT_EQ(Form6->Timer1.interval(), 5000);

    windows.destroy();
    for (QWidget* reference : {static_cast<QWidget*>(Form6), static_cast<QWidget*>(Form3),
                               static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form2),
                               static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form8),
                               static_cast<QWidget*>(Form9), static_cast<QWidget*>(Form5),
                               static_cast<QWidget*>(FormTimedTestRegistration)})
        EXPECT_EQ(reference, nullptr);
}

// Watches the application for the splash's paints and names what existed at the first.
class SplashPaintWatch : public QObject
{
public:
    bool painted = false;
    QStringList before;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched == Form6) {
            painted = true;
            for (QWidget* widget : QApplication::allWidgets())
                if (qobject_cast<QWebEngineView*>(widget))
                    before << QStringLiteral("web view");
            if (Form1)
                before << QStringLiteral("database");
            if (TsSkinData::instance().ActiveManager)
                before << QStringLiteral("skin");
        }
        return false;
    }
};

// Hidden, the set is made as CreatesTheWindowsOnceHiddenInOrder checks.
TEST_F(WindowSetTest, TheSplashIsPaintedBeforeTheWebEngineTheDatabaseAndTheSkin)
{
    buildDatabase(QString());
    SplashPaintWatch watch;
    qApp->installEventFilter(&watch);
    ASSERT_TRUE(windows.create(WindowSet::Splash::ShownFirst));
    qApp->removeEventFilter(&watch);
    EXPECT_TRUE(watch.painted);
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_EQ(watch.before, QStringList());
    // The rest of the set follows in its order, and the hand-over still counts five seconds.
    EXPECT_EQ(windows.windows().size(), 9u);
    EXPECT_NE(Form3->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1")), nullptr);
    EXPECT_TRUE(Form6->Timer1.isActive());
    EXPECT_TRUE(Form3->isHidden());
}

TEST_F(WindowSetTest, TheMainWindowsManagerTakesChargeAndLoadsTheStoredSkin)
{
    startWithRows(QString());
    const TsSkinData& skin = TsSkinData::instance();
    ASSERT_NE(skin.ActiveManager, nullptr);
    // The registration and fixed-test windows carry managers of their own, switched off.
    EXPECT_EQ(skin.ActiveManager->parent(), Form3);
    EXPECT_TRUE(skin.SkinReady);
    EXPECT_TRUE(skin.SkinFolder.isEmpty()) << "no skin folder: the stored skin is used";
    for (const char* section : {"FORM", "BUTTON", "GROUPBOX", "COMBOBOX", "PANEL", "EDIT"})
        EXPECT_GE(FindSectionIndex(QString::fromLatin1(section)), 0) << section;
    windows.destroy();
    EXPECT_EQ(TsSkinData::instance().ActiveManager, nullptr);
}

TEST_F(WindowSetTest, WithoutTheDatabaseStartUpStopsWithAMessageAndExitCodeOne)
{
    // No dbase.sqlite in the program folder.
    EXPECT_EQ(windows.run(), 1);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    const ScriptedDialogs::Box& box = dialogs.boxes.front();
    EXPECT_EQ(box.caption, WindowSet::startupFailureCaption());
    EXPECT_EQ(box.icon, Dialogs::Icon::Error);
    EXPECT_TRUE(box.text.contains(QStringLiteral("DataError"))) << box.text.toStdString();
    EXPECT_TRUE(windows.windows().empty());
    EXPECT_EQ(Form6, nullptr);
    EXPECT_EQ(Form3, nullptr);
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(WindowSetTest, AMissingTableOrColumnStopsStartUpToo)
{
    const struct {
        const char* name;
        const char* change;
        const char* message;
    } rows[] = {
        {"table", "DROP TABLE lab;", "no such table: lab"},
        {"column", "ALTER TABLE temi DROP COLUMN file_pr;", "no such column: file_pr"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.clear();
        buildDatabase(QString::fromUtf8(row.change));
        EXPECT_FALSE(windows.create());
        ASSERT_EQ(dialogs.boxes.size(), 1);
        EXPECT_TRUE(dialogs.boxes.front().text.contains(QString::fromUtf8(row.message)))
            << dialogs.boxes.front().text.toStdString();
        EXPECT_EQ(Form1, nullptr);
        EXPECT_EQ(Form3, nullptr);
    }
}

TEST_F(WindowSetTest, TheHandOverShowsTheMainWindowOnceAndHidesTheSplash)
{
    startWithRows(QString());
    Form6->show();
    Form6->Timer1Timer();
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_TRUE(Form6->isHidden());
    EXPECT_FALSE(Form6->Timer1.isActive());

    // A later tick changes nothing: the main window, hidden meanwhile, stays hidden.
    Form3->hide();
    Form6->Timer1Timer();
    EXPECT_TRUE(Form3->isHidden());
    EXPECT_TRUE(Form6->isHidden());
}

TEST_F(WindowSetTest, TheSplashShowsTheCompiledInPicture)
{
    startWithRows(QString());
    auto* image = Form6->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(500, 220));
    EXPECT_EQ(image->geometry(), QRect(0, 0, 500, 220));
    EXPECT_EQ(Form6->size(), QSize(500, 220));
}

TEST_F(WindowSetTest, ClosingTheMainWindowEndsTheProgramWithCodeZero)
{
    startWithRows(QString());
    Form6->show();
    Form6->Timer1Timer();
    const int code = runLoop([] {
        Form8->show();
        Form3->findChild<QAction*>(QStringLiteral("N6"))->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Form3->isHidden());
    // Nothing is destroyed before the end.
    EXPECT_NE(Form8, nullptr);
}

TEST_F(WindowSetTest, ClosingAnotherWindowOnlyHidesIt)
{
    startWithRows(QString());
    Form6->Timer1Timer();
    const int code = runLoop([] {
        Form8->show();
        Form8->close();
        Form5->show();
        Form5->close();
        QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(Form8->isHidden());
    EXPECT_TRUE(Form5->isHidden());
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(WindowSetTest, ClosingTheSplashBeforeItsTimerEndsTheProgram)
{
    startWithRows(QString());
    Form6->show();
    const int code = runLoop([] { Form6->close(); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Form3->isHidden());
    EXPECT_FALSE(Form6->Timer1.isActive());
}

TEST(StartupTest, RunningAsRootTurnsTheSandboxOffUnlessFlagsAreGiven)
{
    const QByteArray saved = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    Startup::prepareProcess();
    const QByteArray expected = geteuid() == 0 ? QByteArray("--no-sandbox") : QByteArray();
    EXPECT_EQ(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), expected);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    Startup::prepareProcess();
    EXPECT_EQ(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray("--disable-gpu"));
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", saved);
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
}

TEST(StartupTest, TheApplicationIsCalledУчебникAndCarriesTheIcon)
{
    Startup::prepareApplication(*qApp);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Учебник"));
    EXPECT_TRUE(QGuiApplication::applicationDisplayName() == QStringLiteral("Учебник"));
    EXPECT_FALSE(qApp->quitOnLastWindowClosed());
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int side : {16, 32, 48, 128})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

TEST(PicturesTest, TheIconHoldsSixImages)
{
    QImageReader reader(QStringLiteral(":/app/vestron.ico"));
    ASSERT_EQ(reader.imageCount(), 6);
    const QSize expected[] = {{16, 16}, {32, 32}, {16, 16}, {32, 32}, {48, 48}, {128, 128}};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), expected[i]) << i;
    }
}

// The splash picture is a baseline JPEG (start-of-frame marker C0) with three components.
TEST(PicturesTest, TheSplashIsABaselineJpegOf500By220)
{
    QFile file(QStringLiteral(":/app/splash.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const int frame = data.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    EXPECT_EQ(data.indexOf(QByteArray("\xFF\xC2", 2)), -1);
    const auto byte = [&](int i) { return int(uchar(data.at(frame + i))); };
    EXPECT_EQ(byte(5) * 256 + byte(6), 220);
    EXPECT_EQ(byte(7) * 256 + byte(8), 500);
    EXPECT_EQ(byte(9), 3);
    EXPECT_EQ(JpegReader::decode(data).size(), QSize(500, 220));
}

} // namespace

// Qt's own texts (the file dialog, context menus) come in Russian after start-up.
TEST(StartupTranslation, QtsOwnTextsAreRussian)
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    QTranslator* translator = Startup::installRussianTranslation(*application);
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Перейти к:"));
    // The file dialog's kind of a folder, which Qt's own translation lacks.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Папка"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
