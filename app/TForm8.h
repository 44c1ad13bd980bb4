#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form8;
}

// The user manual window.
class TForm8 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

private:
    std::unique_ptr<Ui::Form8> ui;
};
