#pragma once

#include <QProxyStyle>

// The style a skinned combo box paints and hit-tests through: while the combo is skinned
// its edit field stands inside the face's 3-pixel frame left of the skinned button, and
// its arrow is the skinned button, so a click on the button opens the list.
class TsComboBoxStyle : public QProxyStyle
{
    Q_OBJECT
public:
    TsComboBoxStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& pos,
                                     const QWidget* widget) const override;
};
