// The application's hint switch: tool tips are swallowed while it is off.
#include "platform/HintSwitch.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class ToolTipCounter : public QWidget
{
public:
    int toolTips = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++toolTips;
        return QWidget::event(event);
    }
};

TEST(HintSwitch, OffSwallowsToolTipsAndOnLetsThemThrough)
{
    ToolTipCounter widget;
    auto askForTip = [&widget] {
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QCoreApplication::sendEvent(&widget, &tip);
    };
    ASSERT_TRUE(HintSwitch::showHint());
    askForTip();
    EXPECT_EQ(widget.toolTips, 1);
    HintSwitch::setShowHint(false);
    EXPECT_FALSE(HintSwitch::showHint());
    askForTip();
    EXPECT_EQ(widget.toolTips, 1);
    HintSwitch::setShowHint(true);
    askForTip();
    EXPECT_EQ(widget.toolTips, 2);
}

} // namespace
