#include "app/CourseSearchWindow.h"

#include "data/CourseIndex.h"
#include "data/DataError.h"
#include "data/SearchWords.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxResults = 50;
constexpr int kMinimumTextWidth = 300;
constexpr int kDocumentRole = Qt::UserRole;
constexpr int kHighlightRole = Qt::UserRole + 1;

} // namespace

CourseSearchWindow::CourseSearchWindow(QWidget* parent, std::function<QStringList()> listed)
    : QWidget(parent, Qt::Dialog)
    , m_listed(std::move(listed))
    , m_field(new QLineEdit(this))
    , m_results(new QListWidget(this))
    , m_status(new QLabel(this))
    , m_skipped(new QLabel(this))
{
    m_runner = new CourseSearchRunner(
        [this](const CourseSearchRunner::Answer& answer) { ErrorReport::guard([&] { showAnswer(answer); }); }, this);
    setObjectName(QStringLiteral("CourseSearch"));
    setWindowTitle(QStringLiteral("Поиск по курсу"));
    m_field->setObjectName(QStringLiteral("SearchField"));
    m_field->setPlaceholderText(QStringLiteral("Слово или начало слова"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_results->setObjectName(QStringLiteral("SearchResults"));
    m_results->setWordWrap(true);
    m_results->setUniformItemSizes(false);
    m_results->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_status->setObjectName(QStringLiteral("SearchStatus"));
    m_status->setTextFormat(Qt::RichText);
    connect(m_status, &QLabel::linkActivated, this,
            [this](const QString& link) { ErrorReport::guard([&] { m_field->setText(QUrl::fromPercentEncoding(link.toUtf8())); }); });
    m_skipped->setObjectName(QStringLiteral("SearchSkipped"));
    m_skipped->setWordWrap(true);
    m_skipped->hide();

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_field);
    column->addWidget(m_results, 1);
    column->addWidget(m_status);
    column->addWidget(m_skipped);
    resize(560, 520);

    connect(m_field, &QLineEdit::textChanged, this, [this] { ErrorReport::guard([this] { runSearch(); }); });
    connect(m_results, &QListWidget::itemActivated, this, [this] { ErrorReport::guard([this] { openCurrent(); }); });
}

// The runner's thread is ended before the members its answers would reach are gone.
CourseSearchWindow::~CourseSearchWindow()
{
    delete m_runner;
}

void CourseSearchWindow::openSearch()
{
    if (!isVisible() && parentWidget()) {
        QRect place(QPoint(), size());
        place.moveCenter(parentWidget()->geometry().center());
        move(place.topLeft());
    }
    show();
    raise();
    activateWindow();
    updateIndex();
    runSearch();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

// An index that fails to refresh is remade once before search is given up for this time.
void CourseSearchWindow::updateIndex()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_indexError.clear();
    const std::lock_guard<std::mutex> hold(m_runner->indexLock());
    const QString folder = ProgramFolder::path();
    if (!m_index)
        m_index = std::make_shared<CourseIndex>(CourseIndex::defaultFile(folder));
    const QStringList listed = m_listed ? m_listed() : QStringList();
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (attempt > 0)
                m_index->remake();
            showSkipped(m_index->refresh(folder, listed).skipped);
            m_indexError.clear();
            break;
        } catch (const DataError& error) {
            m_indexError = error.message();
        }
    }
    QApplication::restoreOverrideCursor();
}

void CourseSearchWindow::showSkipped(const QStringList& skipped)
{
    m_skipped->setVisible(!skipped.isEmpty());
    m_skipped->setText(QStringLiteral("Не найдены или не читаются, поэтому не просмотрены: %1")
                           .arg(skipped.join(QStringLiteral(", "))));
}

QString CourseSearchWindow::resultHtml(const QString& title, const SearchSnippet& snippet)
{
    QString text;
    qsizetype at = 0;
    for (const auto& mark : snippet.marks) {
        text += snippet.text.mid(at, mark.start - at).toHtmlEscaped();
        text += QStringLiteral("<b style=\"background-color:#ffe680\">%1</b>")
                    .arg(snippet.text.mid(mark.start, mark.length).toHtmlEscaped());
        at = mark.start + mark.length;
    }
    text += snippet.text.mid(at).toHtmlEscaped();
    return QStringLiteral("<div style=\"font-weight:bold\">%1</div><div>%2</div>").arg(title.toHtmlEscaped(), text);
}

bool CourseSearchWindow::isSearching() const
{
    return m_runner->isBusy();
}

void CourseSearchWindow::runSearch()
{
    m_runner->forget();
    const QString typed = m_field->text();
    if (!m_indexError.isEmpty()) {
        m_results->clear();
        m_status->setText(QStringLiteral("Поиск недоступен: %1").arg(m_indexError.toHtmlEscaped()));
        return;
    }
    if (SearchWords::stemsOf(typed).isEmpty() || !m_index) {
        m_results->clear();
        m_status->setText(QStringLiteral("Введите слово или его начало."));
        return;
    }
    // The list keeps the last answer until the new one comes.
    m_status->setText(QStringLiteral("Поиск…"));
    m_runner->ask(m_index, typed, kMaxResults, ProgramFolder::path());
}

void CourseSearchWindow::showAnswer(const CourseSearchRunner::Answer& answer)
{
    m_results->clear();
    if (!answer.error.isEmpty()) {
        m_status->setText(QStringLiteral("Поиск недоступен: %1").arg(answer.error.toHtmlEscaped()));
        return;
    }
    showHits(answer.hits);
    if (answer.hits.isEmpty())
        showSuggestion(answer.suggestion);
    else
        m_status->setText(QStringLiteral("Найдено документов: %1").arg(answer.hits.size()));
}

void CourseSearchWindow::showHits(const QVector<CourseIndex::Hit>& hits)
{
    // Before the window is first laid out the list has no width of its own yet.
    const int width = std::max(m_results->viewport()->width(), kMinimumTextWidth) - 8;
    for (const auto& hit : hits) {
        auto* item = new QListWidgetItem(m_results);
        item->setData(kDocumentRole, hit.path);
        item->setData(kHighlightRole, hit.snippet.words);
        item->setToolTip(hit.path);
        auto* label = new QLabel(resultHtml(hit.title, hit.snippet));
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setContentsMargins(4, 4, 4, 6);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        item->setSizeHint(QSize(0, label->heightForWidth(width)));
        m_results->setItemWidget(item, label);
    }
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
}

// A click on the offered words searches for them.
void CourseSearchWindow::showSuggestion(const QString& suggestion)
{
    if (suggestion.isEmpty()) {
        m_status->setText(QStringLiteral("Ничего не найдено."));
        return;
    }
    m_status->setText(QStringLiteral("Ничего не найдено. Возможно, вы искали: <a href=\"%1\">%2</a>")
                          .arg(QString::fromUtf8(QUrl::toPercentEncoding(suggestion)), suggestion.toHtmlEscaped()));
}

void CourseSearchWindow::openCurrent()
{
    QListWidgetItem* item = m_results->currentItem();
    if (!item)
        return;
    emit documentChosen(item->data(kDocumentRole).toString(), item->data(kHighlightRole).toStringList());
}

// In the field, Up and Down walk the results, Enter opens the current one, Escape closes.
bool CourseSearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up: {
            const int step = key->key() == Qt::Key_Down ? 1 : -1;
            const int row = std::clamp(m_results->currentRow() + step, 0, m_results->count() - 1);
            if (m_results->count() > 0)
                m_results->setCurrentRow(row);
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openCurrent();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
