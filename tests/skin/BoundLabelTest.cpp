// The caption label bound to an edit-like control.
#include "skin/TsBoundLabel.h"
#include "skin/TsCommonData.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(BoundLabel, FourLayoutsAroundTheControl)
{
    struct Row
    {
        TsCaptionLayout layout;
        QPoint at;
    } rows[] = {
        {TsCaptionLayout::sclLeft, {56, 53}},     // 100 - 40 - 4, 50 + (21 - 13) / 2 - 1
        {TsCaptionLayout::sclTopLeft, {100, 37}}, // 50 - 13
        {TsCaptionLayout::sclTopCenter, {130, 37}},
        {TsCaptionLayout::sclTopRight, {160, 37}},
    };
    QWidget form;
    QWidget control(&form);
    control.setObjectName(QStringLiteral("sEdit1"));
    control.setGeometry(100, 50, 100, 21);
    TsCommonData data(&control, ckEdit, true);
    TsBoundLabel bound(&control, &data);
    bound.SetActive(true);
    ASSERT_NE(bound.label(), nullptr);
    bound.label()->setFixedSize(40, 13);
    for (const Row& row : rows) {
        bound.SetLayout(row.layout);
        bound.Align();
        EXPECT_EQ(bound.label()->pos(), row.at) << int(row.layout);
    }
}

TEST(BoundLabel, ActiveMakesANamedLabelBesideTheControlAndInactiveFreesIt)
{
    QWidget form;
    QWidget control(&form);
    control.setObjectName(QStringLiteral("sMemo1"));
    control.setGeometry(100, 50, 100, 21);
    control.setEnabled(false);
    TsCommonData data(&control, ckMemo, true);
    TsBoundLabel bound(&control, &data);
    EXPECT_FALSE(bound.Active());
    bound.SetActive(true);
    QLabel* label = bound.label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &form);
    EXPECT_EQ(label->objectName(), "sMemo1Label");
    EXPECT_EQ(label->text(), "sMemo1");
    EXPECT_EQ(label->buddy(), &control);
    EXPECT_FALSE(label->isEnabled());
    EXPECT_LT(label->geometry().right(), 100 - 3);
    bound.SetCaption(QStringLiteral("Тема"));
    EXPECT_EQ(label->text(), "Тема");
    bound.SetMaxWidth(30);
    EXPECT_EQ(label->width(), 30);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_GE(label->height(), 21);
    bound.SetActive(false);
    EXPECT_EQ(bound.label(), nullptr);
    EXPECT_TRUE(form.findChildren<QLabel*>().isEmpty());
}

} // namespace
