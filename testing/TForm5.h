#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form5;
}
class TsSkinManager;

// The registration window of the fixed test: the student types a name and starts a new
// attempt. The name stays in the edit and is read again at hand-in.
class TForm5 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    // The main window's "Тестирование": shows the window and empties the name.
    void openEmpty();
    // The text of sEdit1 as it stands now.
    QString studentName() const;

public slots:
    // "Начать тестирование".
    void sButton2Click();

private:
    std::unique_ptr<Ui::Form5> ui;
    TsSkinManager* sSkinManager1 = nullptr;
};
