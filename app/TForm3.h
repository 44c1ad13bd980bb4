#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form3;
}

// The main window: menu, topic selector, documents and presentations.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::Form3> ui;
};
