#pragma once

#include <QWidget>

#include <memory>

class CourseData;

namespace Ui {
class Form4;
}

// The add-question dialog of the settings window. A new question takes the number after
// the largest one in the bank. Whoever shows the question list listens to closing().
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(CourseData& data, QWidget* parent = nullptr);
    ~TForm4() override;

    void setVisible(bool visible) override;

    void PrepareNewQuestion();
    // The largest question number when the dialog was last prepared (0 for an empty bank).
    qint64 lastQuestionNumber() const { return m_lastQuestionNumber; }

signals:
    // Emitted before a hidden dialog is shown, and when it is closed.
    void showing();
    void closing();

public slots:
    void FormShow();
    void Button1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::Form4> ui;
    CourseData& m_data;
    // Lives as long as the dialog, which is created once for the whole run.
    qint64 m_lastQuestionNumber = 0;
};
