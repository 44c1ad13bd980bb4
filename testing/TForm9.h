#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form9;
}

// The fixed test window.
class TForm9 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

private:
    std::unique_ptr<Ui::Form9> ui;
};
