#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineView;

// The small bar over the HTML view that finds text in the open document: every match is
// highlighted, Enter and Shift+Enter step through them, the bar tells «3 из 12» or
// «Не найдено», Escape closes it. Letter case and "ё"/"е" do not count.
class FindBar : public QFrame
{
    Q_OBJECT
public:
    enum class When { Now, AfterLoading };

    FindBar(QWebEngineView* view, QWidget* parent);

    // Shows the bar and puts the cursor in its field (the window places the bar above the
    // view's top right corner and moves the view down to make room);
    // a given text replaces the field's and is looked for at once, or once the document
    // being loaded is there.
    void open(const QString& text = QString(), When when = When::Now);
    // Hides the bar and takes the highlighting off the document.
    void close();

    void findNext();
    void findPrevious();

    QString text() const;
    // «3 из 12», «Не найдено», or empty while the field is.
    QString status() const;

    // The size the bar asks for: a fixed width, its contents' height.
    QSize preferredSize() const;

signals:
    // Each answer of the document to a search.
    void statusChanged(const QString& status);
    // After the bar was shown or hidden.
    void openedOrClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void find(bool backward);

    QWebEngineView* m_view;
    QLineEdit* m_field;
    QLabel* m_status;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_close;
};
