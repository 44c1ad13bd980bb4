#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form4;
}

// The add-question dialog of the settings window.
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

private:
    std::unique_ptr<Ui::Form4> ui;
};
