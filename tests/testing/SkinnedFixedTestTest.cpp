// The fixed test on the program's skin: the registration and the test window wholly
// skinned, and a whole attempt made with the keyboard and the mouse through them.
#include "FixedTestFixture.h"

#include "skin/SkinWidgetSupport.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class SkinnedFixedTest : public FixedTestFixture
{
protected:
    skintest::GoldenSkinScope skin;
};

TEST_F(SkinnedFixedTest, AWholeAttemptThroughTheSkinnedControls)
{
    fillBank(20, QStringLiteral("C"));
    openWindows();
    auto* panel = m_form9->findChild<TsPanel*>(QStringLiteral("sPanel1"));
    ASSERT_NE(panel, nullptr);
    auto* sheetMemo = qobject_cast<TsMemo*>(memo());
    ASSERT_NE(sheetMemo, nullptr);
    for (TsCommonData* data : {&panel->SkinData, &nameEdit()->SkinData, &sheetMemo->SkinData, &letters()->SkinData,
                               &resultBox()->SkinData})
        EXPECT_TRUE(data->IsSkinned()) << data->SkinSection().toStdString();

    // The name typed into the skinned edit, which shows the live text while focused.
    m_form5->openEmpty();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form5.get()));
    nameEdit()->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(nameEdit()->ShowsLiveEditor());
    QTest::keyClicks(nameEdit(), QStringLiteral("Petrov"));
    QTest::mouseClick(m_form5->findChild<TsButton*>(QStringLiteral("sButton2")), Qt::LeftButton);
    ASSERT_EQ(count(QStringLiteral("testing")), 20);
    ASSERT_TRUE(m_form9->isVisible());
    m_form9->grab();

    // Every other question answered "C" by a click anywhere on the letter's button, the
    // rest by the space bar on "A".
    for (int slot = 1; slot <= 20; ++slot) {
        clickQuestion(slot);
        QRadioButton* letter = letters()->button(slot % 2 == 0 ? 2 : 0);
        if (slot % 2 == 0) {
            QTest::mouseClick(letter, Qt::LeftButton, Qt::NoModifier, QPoint(letter->width() - 5, letter->height() / 2));
        } else {
            letter->setFocus();
            QTest::keyClick(letter, Qt::Key_Space);
        }
        EXPECT_EQ(letters()->itemIndex(), slot % 2 == 0 ? 2 : 0) << slot;
    }
    handIn();
    for (const QVector<QVariant>& row : sheet())
        EXPECT_EQ(row[2].toString(), row[0].toInt() % 2 == 0 ? QStringLiteral("C") : QStringLiteral("A")) << row[0].toInt();
    EXPECT_TRUE(resultBox()->isVisible());
    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 10"));
    m_form9->grab();
    EXPECT_FALSE(resultBox()->SkinData.CacheBitmap->isNull()) << "the result box paints its face";
    EXPECT_EQ(rows(QStringLiteral("SELECT count(*) FROM result")).value(0).value(0).toInt(), 1);
}

} // namespace
