#pragma once

#include "data/CourseData.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Form1;
}

// The timed test window; owns every data-access object of the program.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // Opens the table connection and the six table objects; a DataError thrown here ends
    // start-up.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    CourseData& data() { return m_data; }

public slots:
    // The creation handler: opens the statement connection. Its DataError goes to the
    // error report and start-up goes on.
    void FormCreate();

private:
    std::unique_ptr<Ui::Form1> ui;
    CourseData m_data;
};
