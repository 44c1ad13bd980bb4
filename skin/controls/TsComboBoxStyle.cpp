#include "skin/controls/TsComboBoxStyle.h"

#include "skin/controls/TsComboBox.h"

TsComboBoxStyle::TsComboBoxStyle() = default;

namespace {

const TsComboBox* skinnedCombo(QStyle::ComplexControl control, const QWidget* widget)
{
    if (control != QStyle::CC_ComboBox)
        return nullptr;
    const auto* combo = qobject_cast<const TsComboBox*>(widget);
    return combo && combo->SkinData.IsSkinned() ? combo : nullptr;
}

} // namespace

QRect TsComboBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                      const QWidget* widget) const
{
    if (const TsComboBox* combo = skinnedCombo(control, widget)) {
        switch (subControl) {
        case SC_ComboBoxEditField:
            return combo->EditFieldRect();
        case SC_ComboBoxArrow:
            return combo->ButtonRect();
        case SC_ComboBoxFrame:
            return combo->rect();
        default:
            break;
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QStyle::SubControl TsComboBoxStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                                          const QPoint& pos, const QWidget* widget) const
{
    if (const TsComboBox* combo = skinnedCombo(control, widget)) {
        if (combo->ButtonRect().contains(pos))
            return SC_ComboBoxArrow;
        if (combo->EditFieldRect().contains(pos))
            return SC_ComboBoxEditField;
        return combo->rect().contains(pos) ? SC_ComboBoxFrame : SC_None;
    }
    return QProxyStyle::hitTestComplexControl(control, option, pos, widget);
}
