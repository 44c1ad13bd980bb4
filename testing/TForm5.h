#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form5;
}

// The registration window of the fixed test.
class TForm5 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

private:
    std::unique_ptr<Ui::Form5> ui;
};
