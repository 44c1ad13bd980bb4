#include "FixedTestFixture.h"
#include "PlacedControls.h"

#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioGroup.h"
#include "ui/WindowStyle.h"

namespace {

using FixedTestLayoutTest = FixedTestFixture;

} // namespace

TEST_F(FixedTestLayoutTest, TheRegistrationWindow)
{
    openWindows();
    EXPECT_EQ(m_form5->windowTitle(), QStringLiteral("Авторизация"));
    EXPECT_EQ(m_form5->size(), QSize(354, 107));
    EXPECT_EQ(m_form5->palette().color(QPalette::Window), QColor(210, 183, 125));
    EXPECT_EQ(m_form5->font().pixelSize(), 16);
    EXPECT_EQ(m_form5->font().family(), QStringLiteral("MS Sans Serif"));
    const Placed controls[] = {
        {"Label1", QRect(16, 8, 329, 20), "Введите имя:", nullptr},
        {"sEdit1", QRect(16, 32, 329, 28), nullptr, "EDIT"},
        {"sButton2", QRect(16, 72, 329, 25), "Начать тестирование", "BUTTON"},
    };
    for (const Placed& placed : controls)
        expectPlaced(*m_form5, placed);
    EXPECT_TRUE(nameEdit()->text().isEmpty());
    EXPECT_EQ(m_form5->findChild<QWidget*>("sButton2")->nextInFocusChain(), nameEdit()) << "tab order";
}

TEST_F(FixedTestLayoutTest, TheTestWindow)
{
    openWindows();
    EXPECT_EQ(m_form9->windowTitle(), QStringLiteral("Тестирование"));
    EXPECT_EQ(m_form9->pos(), QPoint(238, 108));
    EXPECT_EQ(m_form9->size(), WindowStyle::clientSizeForOuter(QSize(527, 439)));
    EXPECT_EQ(m_form9->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(m_form9->font().pixelSize(), 11);
    QVector<Placed> controls = {
        {"sPanel1", QRect(8, 5, 505, 393), nullptr, "PANEL"},
        {"sMemo1", QRect(8, 56, 481, 273), nullptr, "EDIT"},
        {"sRadioGroup1", QRect(8, 336, 393, 49), "", "GROUPBOX"},
        {"sButton22", QRect(416, 336, 73, 49), "Сдать", "BUTTON"},
        {"sGroupBox1", QRect(152, 112, 169, 105), "Результат тестирования ", "GROUPBOX"},
        {"sLabel1", QRect(8, 24, 153, 16), "Верно", nullptr},
        {"sLabel2", QRect(8, 52, 153, 16), "Верно", nullptr},
        {"sLabel3", QRect(8, 80, 153, 16), "Оценка", nullptr},
    };
    const QByteArray names[] = {"sButton2", "sButton3", "sButton4", "sButton5", "sButton6", "sButton7", "sButton8",
                                "sButton9", "sButton10", "sButton11", "sButton12", "sButton13", "sButton14",
                                "sButton15", "sButton16", "sButton17", "sButton18", "sButton19", "sButton20",
                                "sButton21"};
    QByteArray captions[20];
    for (int k = 1; k <= 20; ++k) {
        captions[k - 1] = QByteArray::number(k);
        controls.append({names[k - 1].constData(), QRect(8 + 24 * (k - 1), 16, 25, 25), captions[k - 1].constData(),
                         "BUTTON"});
    }
    for (const Placed& placed : controls)
        expectPlaced(*m_form9, placed);

    EXPECT_EQ(memo()->font().pixelSize(), 19);
    EXPECT_EQ(memo()->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(memo()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(memo()->isReadOnly());
    EXPECT_EQ(letters()->items(), QStringList({"A", "B", "C", "D", "E"}));
    EXPECT_EQ(letters()->columns(), 5);
    EXPECT_TRUE(letters()->autoFillBackground());
    EXPECT_EQ(letters()->itemIndex(), -1);
    EXPECT_TRUE(resultBox()->isHidden());
    EXPECT_EQ(resultLabel(3)->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(questionButton(1)->nextInFocusChain(), questionButton(2)) << "tab order";
}
