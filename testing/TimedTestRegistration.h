#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TimedTestRegistration;
}

// Where a student gives the name and the group that the timed test's result carries.
class TimedTestRegistration : public QWidget
{
    Q_OBJECT
public:
    explicit TimedTestRegistration(QWidget* parent = nullptr);
    ~TimedTestRegistration() override;

    // Shows the window with both boxes empty.
    void openEmpty();

public slots:
    // "Начать": both texts are required; they go to TimedTestFio and TimedTestGruppa and the
    // timed test window is shown.
    void startButtonClicked();

private:
    std::unique_ptr<Ui::TimedTestRegistration> ui;
};
