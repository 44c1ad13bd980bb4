#pragma once

#include <QObject>

// The application's hint switch: while it is off no tool tip is shown anywhere in the
// application. A skinned button switches it off while the mouse is held on it. The one
// switch of the process lives here.
class HintSwitch : public QObject
{
public:
    static bool showHint();
    // The first switch-off installs the filter on the application object.
    static void setShowHint(bool show);
    // A skinned button's press saves the switch and turns hints off; its release puts the
    // saved value back. One saved value serves every button: a press on one and a release
    // on another restore what the latest press saved.
    static void saveAndSwitchOff();
    static void restoreSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintSwitch() = default;
    static HintSwitch* filter();
};
