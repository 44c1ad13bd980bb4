#include "app/ReaderTools.h"

#include "app/CourseSearchWindow.h"
#include "app/FindBar.h"
#include "app/PlaceMemory.h"
#include "app/ReaderSettings.h"
#include "app/TForm3.h"
#include "app/ViewInputFilter.h"
#include "app/ViewPrinting.h"
#include "app/ViewZoom.h"
#include "app/WordHighlight.h"
#include "data/DataError.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"
#include "testing/TForm1.h"
#include "ui/Globals.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// A document of the course's text/ folder, named without a way out of it.
bool isCourseDocument(const QString& document)
{
    return document.startsWith(QStringLiteral("text/")) && QDir::cleanPath(document) == document
        && !document.split(u'/').contains(QStringLiteral(".."));
}

} // namespace

ReaderTools::ReaderTools(TForm3& form, QWebEngineView* view, QComboBox* topics, QWidget* topicPanel)
    : QObject(&form)
    , m_form(form)
    , m_view(view)
    , m_topics(topics)
    , m_topicPanel(topicPanel)
    , m_findBar(new FindBar(view, view->parentWidget()))
    , m_zoom(new ViewZoom(view))
    , m_printing(new ViewPrinting(view))
    , m_memory(new PlaceMemory(view))
    , m_searchWindow(new CourseSearchWindow(&form, [this] { return readCatalogue().listedDocuments(); }))
    , m_presentation(form.findChild<QWidget*>(QStringLiteral("sBitBtn1")))
    , m_states(new BrowseStates(view, [this] {
        return BrowseStates::State{BrowseMode, m_topics->currentText(), m_presentation && m_presentation->isEnabled()};
    }, this))
    , m_highlight(new WordHighlight(view))
{
    auto* input = new ViewInputFilter(view);
    input->watchAlone(&form);
    connect(input, &ViewInputFilter::zoomSteps, m_zoom, &ViewZoom::step);
    connect(input, &ViewInputFilter::back, this, &ReaderTools::back);
    connect(input, &ViewInputFilter::forward, this, &ReaderTools::forward);
    connect(m_searchWindow, &CourseSearchWindow::documentChosen, this,
            [this](const auto&... args) { ErrorReport::guard([&] { openDocument(args...); }); });
    // After the window's own activation handler, which empties the topic selector.
    connect(&form, &TForm3::OnActivate, this, [this] { ErrorReport::guard([this] { restoreLastPlace(); }); });
    addShortcuts();
}

ReaderTools::~ReaderTools() = default;

void ReaderTools::addShortcuts()
{
    const auto add = [this](const char* name, const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                            QWidget* owner, auto slot) {
        auto* action = new QAction(owner);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(context);
        owner->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("FindInDocument", {QKeySequence::Find}, Qt::WindowShortcut, &m_form, &ReaderTools::openFind);
    add("ZoomIn", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        Qt::WindowShortcut, &m_form, [this] { m_zoom->zoomIn(); });
    add("ZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, Qt::WindowShortcut, &m_form, [this] { m_zoom->zoomOut(); });
    add("ZoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)}, Qt::WindowShortcut, &m_form, [this] { m_zoom->reset(); });
    add("GoBack", {QKeySequence(Qt::ALT | Qt::Key_Left)}, Qt::WindowShortcut, &m_form, &ReaderTools::back);
    add("GoForward", {QKeySequence(Qt::ALT | Qt::Key_Right)}, Qt::WindowShortcut, &m_form, &ReaderTools::forward);
    add("PrintDocument", {QKeySequence::Print}, Qt::WindowShortcut, &m_form, [this] { m_printing->print(); });
    // Escape over the page closes the find bar; in the bar's field the bar handles it.
    add("CloseFind", {QKeySequence(Qt::Key_Escape)}, Qt::WidgetWithChildrenShortcut, m_view, [this] {
        if (m_findBar->isVisible())
            m_findBar->close();
    });
    // The key lives on an action of its own: on the menu item it would be drawn into the
    // skinned menu bar, which then no longer fits on one line.
    add("CourseSearch", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}, Qt::WindowShortcut, &m_form,
        &ReaderTools::openCourseSearch);
}

void ReaderTools::openFind()
{
    if (m_view->isVisible())
        m_findBar->open();
}

void ReaderTools::openCourseSearch()
{
    m_searchWindow->openSearch();
}

void ReaderTools::back()
{
    if (!m_view->isVisible() || !m_view->history()->canGoBack())
        return;
    showState(m_view->history()->backItem().url());
    m_view->back();
}

void ReaderTools::forward()
{
    if (!m_view->isVisible() || !m_view->history()->canGoForward())
        return;
    showState(m_view->history()->forwardItem().url());
    m_view->forward();
}

// The mode, topic and button as they were with the document, so that «Презентация» acts on
// the topic on view.
void ReaderTools::showState(const QUrl& document)
{
    const std::optional<BrowseStates::State> state = m_states->stateOf(document);
    if (!state)
        return;
    showPlace(state->browseMode, state->topic);
    if (state->browseMode < 1 || state->browseMode > 3) {
        BrowseMode = state->browseMode;
        m_topics->clear();
    }
    if (m_topics->currentText() != state->topic)
        m_topics->setEditText(state->topic);
    if (m_presentation)
        m_presentation->setEnabled(state->presentationEnabled);
}

// The lecture and laboratory documents come from the database as it is now; without it
// only the fixed documents are known.
CourseCatalogue ReaderTools::readCatalogue() const
{
    CourseCatalogue catalogue;
    if (Form1 && Form1->data().ADOConnection2.isOpen()) {
        try {
            catalogue.read(Form1->data().ADOConnection2);
        } catch (const DataError&) {
        }
    }
    return catalogue;
}

// The browse mode's list as its menu command loads it, the topic chosen in the selector
// (set by the program, so the topic change does not run) and the HTML view shown.
void ReaderTools::showPlace(int browseMode, const QString& topic)
{
    if (browseMode == 1)
        m_form.N1Click();
    else if (browseMode == 2)
        m_form.N18Click();
    else if (browseMode == 3)
        m_form.N17Click();
    if (!topic.isEmpty()) {
        const int index = m_topics->findText(topic, Qt::MatchExactly);
        if (index >= 0)
            m_topics->setCurrentIndex(index);
    }
    m_topicPanel->hide();
    m_view->show();
}

void ReaderTools::openDocument(const QString& document, const QStringList& highlight)
{
    const CourseCatalogue::Place place = readCatalogue().placeOf(document);
    showPlace(place.browseMode, place.topic);
    m_view->load(QUrl::fromLocalFile(ProgramFolder::path() + document));
    m_highlight->markAfterLoading(highlight);
    m_form.raise();
    m_form.activateWindow();
}

void ReaderTools::restoreLastPlace()
{
    if (m_restored)
        return;
    m_restored = true;
    if (!ReaderSettings::restoreLastPlace())
        return;
    const std::optional<ReaderSettings::Place> place = ReaderSettings::lastPlace();
    if (!place || !isCourseDocument(place->document) || !QFileInfo(ProgramFolder::path() + place->document).isFile())
        return;
    const CourseCatalogue::Place topic = readCatalogue().placeOf(place->document);
    showPlace(place->browseMode, topic.browseMode == place->browseMode ? topic.topic : QString());
    m_view->load(QUrl::fromLocalFile(ProgramFolder::path() + place->document));
    scrollWhenLoaded(place->scrollY);
}

void ReaderTools::scrollWhenLoaded(double scrollY)
{
    if (scrollY <= 0)
        return;
    auto* once = new QObject(this);
    connect(m_view, &QWebEngineView::loadFinished, once, [this, once, scrollY](bool ok) {
        once->deleteLater();
        if (ok)
            m_view->page()->runJavaScript(QStringLiteral("window.scrollTo(0, %1)").arg(scrollY));
    });
}
