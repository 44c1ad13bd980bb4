#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form6;
}

// The splash window, the application's main window.
class TForm6 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

private:
    std::unique_ptr<Ui::Form6> ui;
};
