#pragma once

#include <QWidget>

#include <memory>

class MainWindowResizer;
class QWindow;
class ReaderTools;
class TableObject;
class TsSkinManager;
class TsSkinProvider;

namespace Ui {
class Form3;
}

// The main window: the course documents, the three topic lists with the topic selector,
// the presentation button, the fixed test, the user manual and the way out.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    static QString placeholder() { return QStringLiteral("Название темы"); }

    // Find, course search, zoom, history, printing and the place kept between runs.
    ReaderTools* readerTools() const { return m_readerTools; }

signals:
    // The window's events, bound to their handlers in the layout.
    void OnActivate();
    void OnClose();
    void OnResize();

public slots:
    // "УМКД": the eight course documents.
    void N7Click();
    void N20Click();
    void N21Click();
    void N22Click();
    void N8Click();
    void N23Click();
    void N24Click();
    void N25Click();
    // The topic lists.
    void N1Click();
    void N17Click();
    void N18Click();
    // "Тестирование", "Руководство пользователя", "Контрольный тест", "Настройки", "Выход".
    void N3Click();
    void N5Click();
    void N26Click();
    void N27Click();
    void N6Click();
    // "Поиск по курсу…".
    void N28Click();

    void sComboBox1Change();
    void sBitBtn1Click();

    void FormActivate();
    void FormClose();
    void FormResize();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openDocument(const QString& relativePath);
    void loadTopicList(TableObject& table);
    void showPlaceholder();
    void showDocumentOf(TableObject& table);
    void openPresentation(TableObject& table, const QString& key, const QString& folder,
                          const QString& field);
    void noteFocusWindow(QWindow* window);
    void makeRoomForDocument();
    void selectPlaceholder();

    std::unique_ptr<Ui::Form3> ui;
    TsSkinManager* sSkinManager1 = nullptr;
    ReaderTools* m_readerTools = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    MainWindowResizer* m_resizer = nullptr;
    // True while this window is the program's active form; a message box or another
    // application taking the focus leaves it so, another window of the set clears it.
    bool m_activeForm = false;
};
