#include "ReaderFixture.h"

#include "app/FindBar.h"
#include "ui/Globals.h"
#include "app/ReaderTools.h"
#include "app/TForm3.h"
#include "ui/WindowStyle.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsPanel.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

void ReaderFixture::SetUp()
{
    ShellFixture::SetUp();
    copyCourseText();
    QFile seed(QStringLiteral(VESTRON_SOURCE_DIR "/course/seed.sql"));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    startWithRows(QString::fromUtf8(seed.readAll()));
    if (!HasFatalFailure())
        findControls();
}

void ReaderFixture::restart()
{
    windows.destroy();
    ASSERT_TRUE(windows.create());
    BrowseMode = 0;
    findControls();
}

void ReaderFixture::findControls()
{
    tools = Form3->readerTools();
    view = Form3->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
    combo = Form3->findChild<TsComboBox*>(QStringLiteral("sComboBox1"));
    panel = Form3->findChild<TsPanel*>(QStringLiteral("sPanel1"));
    ASSERT_TRUE(tools && view && combo && panel);
    findBar = tools->findBar();
}

void ReaderFixture::showMainWindow()
{
    WindowStyle::showWindow(*Form3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
}

void ReaderFixture::copyCourseText()
{
    const QString source = QStringLiteral(VESTRON_SOURCE_DIR "/course/text");
    QDirIterator it(source, {QStringLiteral("*.htm"), QStringLiteral("*.css")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = folder() + QStringLiteral("text/") + QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
    }
}

void ReaderFixture::writeDocument(const QString& relative, const QString& html)
{
    QFile file(folder() + relative);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(html.toUtf8());
}

bool ReaderFixture::waitForDocument(const QString& relative)
{
    const QUrl expected = document(relative);
    if (!QTest::qWaitFor([&] { return view->url() == expected; }, 10000)) {
        ADD_FAILURE() << "the view shows " << view->url().toString().toStdString();
        return false;
    }
    // The answer may come after the wait is over, so it lands in memory that outlives it.
    auto loaded = std::make_shared<bool>(false);
    return QTest::qWaitFor([&] {
        view->page()->runJavaScript(QStringLiteral("document.readyState"), [loaded](const QVariant& state) {
            *loaded = state.toString() == QLatin1String("complete");
        });
        QTest::qWait(20);
        return *loaded;
    }, 10000);
}

void ReaderFixture::command(const char* name)
{
    auto* action = Form3->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

double ReaderFixture::scrollY()
{
    auto y = std::make_shared<double>(-1);
    view->page()->runJavaScript(QStringLiteral("window.scrollY"), [y](const QVariant& value) { *y = value.toDouble(); });
    QTest::qWaitFor([&] { return *y >= 0; }, 5000);
    return *y;
}

void ReaderFixture::type(QWidget* widget, const QString& text)
{
    for (QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(letter.toUpper().unicode()), QString(letter), Qt::NoModifier);
}
