#include "app/FindBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kWidth = 380;
constexpr int kMargin = 4;

QToolButton* makeButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FindBar::FindBar(QWebEngineView* view, QWidget* parent)
    : QFrame(parent)
    , m_view(view)
    , m_field(new QLineEdit(this))
    , m_status(new QLabel(this))
    , m_previous(makeButton(QStringLiteral("▲"), QStringLiteral("Предыдущее (Shift+Enter)"), this))
    , m_next(makeButton(QStringLiteral("▼"), QStringLiteral("Следующее (Enter)"), this))
    , m_close(makeButton(QStringLiteral("✕"), QStringLiteral("Закрыть (Esc)"), this))
{
    setObjectName(QStringLiteral("FindBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setPlaceholderText(QStringLiteral("Найти в документе"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_status->setObjectName(QStringLiteral("FindStatus"));
    m_status->setMinimumWidth(90);
    m_status->setAlignment(Qt::AlignCenter);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    row->setSpacing(2);
    row->addWidget(m_field, 1);
    row->addWidget(m_status);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_close);

    connect(m_field, &QLineEdit::textChanged, this, [this] { find(false); });
    connect(m_previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(m_next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(m_close, &QToolButton::clicked, this, &FindBar::close);
    // A new document is searched again, so its matches are highlighted too.
    connect(m_view, &QWebEngineView::loadFinished, this, [this] {
        if (isVisible() && !m_field->text().isEmpty()) {
            // A search begun on the document before would only be carried on.
            m_view->page()->findText(QString());
            find(false);
        }
    });
    hide();
}

void FindBar::open(const QString& text, When when)
{
    const bool wasHidden = isHidden();
    show();
    raise();
    if (wasHidden)
        emit openedOrClosed();
    if (!text.isEmpty() && text != m_field->text()) {
        // A search asked of a document that is still loading is answered for the old one.
        const QSignalBlocker quiet(m_field);
        m_field->setText(text);
        m_status->clear();
        if (when == When::Now)
            find(false);
    }
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::close()
{
    const bool wasOpen = !isHidden();
    hide();
    if (wasOpen)
        emit openedOrClosed();
    m_view->page()->findText(QString());
    m_status->clear();
    m_view->setFocus(Qt::OtherFocusReason);
}

void FindBar::findNext()
{
    find(false);
}

void FindBar::findPrevious()
{
    find(true);
}

QString FindBar::text() const
{
    return m_field->text();
}

QString FindBar::status() const
{
    return m_status->text();
}

// Searching the same text again steps to the next (or previous) match.
void FindBar::find(bool backward)
{
    const QString text = m_field->text();
    if (text.isEmpty()) {
        m_view->page()->findText(QString());
        m_status->clear();
        emit statusChanged(QString());
        return;
    }
    const QWebEnginePage::FindFlags flags = backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags();
    QPointer<FindBar> self(this);
    m_view->page()->findText(text, flags, [self, text](const QWebEngineFindTextResult& result) {
        // An answer for a text the student has typed past is of no interest.
        if (!self || self->m_field->text() != text)
            return;
        const QString status = result.numberOfMatches() == 0
            ? QStringLiteral("Не найдено")
            : QStringLiteral("%1 из %2").arg(result.activeMatch()).arg(result.numberOfMatches());
        self->m_status->setText(status);
        emit self->statusChanged(status);
    });
}

QSize FindBar::preferredSize() const
{
    return {kWidth, sizeHint().height()};
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
