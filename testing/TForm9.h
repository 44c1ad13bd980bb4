#pragma once

#include "platform/ErrorReport.h"
#include <QWidget>

#include <memory>

namespace Ui {
class Form9;
}
class TsSkinManager;
class TsButton;

// The fixed test window: twenty question buttons, the question memo, the answer letters
// and the hand-in with its result box.
class TForm9 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

    // A new attempt: empty memo shown, result box hidden, every question button enabled.
    void resetForNewAttempt();
    // No letter chosen, without writing anything to the answer sheet.
    void clearAnswerChoice();

public slots:
    void sButton2Click() { ErrorReport::guard([this] { openQuestion(1); }); }
    void sButton3Click() { ErrorReport::guard([this] { openQuestion(2); }); }
    void sButton4Click() { ErrorReport::guard([this] { openQuestion(3); }); }
    void sButton5Click() { ErrorReport::guard([this] { openQuestion(4); }); }
    void sButton6Click() { ErrorReport::guard([this] { openQuestion(5); }); }
    void sButton7Click() { ErrorReport::guard([this] { openQuestion(6); }); }
    void sButton8Click() { ErrorReport::guard([this] { openQuestion(7); }); }
    void sButton9Click() { ErrorReport::guard([this] { openQuestion(8); }); }
    void sButton10Click() { ErrorReport::guard([this] { openQuestion(9); }); }
    void sButton11Click() { ErrorReport::guard([this] { openQuestion(10); }); }
    void sButton12Click() { ErrorReport::guard([this] { openQuestion(11); }); }
    void sButton13Click() { ErrorReport::guard([this] { openQuestion(12); }); }
    void sButton14Click() { ErrorReport::guard([this] { openQuestion(13); }); }
    void sButton15Click() { ErrorReport::guard([this] { openQuestion(14); }); }
    void sButton16Click() { ErrorReport::guard([this] { openQuestion(15); }); }
    void sButton17Click() { ErrorReport::guard([this] { openQuestion(16); }); }
    void sButton18Click() { ErrorReport::guard([this] { openQuestion(17); }); }
    void sButton19Click() { ErrorReport::guard([this] { openQuestion(18); }); }
    void sButton20Click() { ErrorReport::guard([this] { openQuestion(19); }); }
    void sButton21Click() { ErrorReport::guard([this] { openQuestion(20); }); }
    // A letter chosen by the student or selected when a question opens.
    void sRadioGroup1Click();
    // "Сдать".
    void sButton22Click();

private:
    void openQuestion(int slot);
    TsButton* questionButton(int slot) const;

    std::unique_ptr<Ui::Form9> ui;
    TsSkinManager* sSkinManager1 = nullptr;
};
