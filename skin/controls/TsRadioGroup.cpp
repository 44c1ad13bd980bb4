#include "skin/controls/TsRadioGroup.h"

#include <QRadioButton>
#include <QResizeEvent>

TsRadioGroup::TsRadioGroup(QWidget* parent)
    : QGroupBox(parent)
{
}

void TsRadioGroup::setItems(const QStringList& items)
{
    m_items = items;
    m_itemIndex = -1;
    rebuild();
}

void TsRadioGroup::setColumns(int columns)
{
    m_columns = qMax(1, columns);
    layoutButtons();
}

void TsRadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size()) {
        m_itemIndex = -1;
        // Exclusive buttons cannot all be unchecked while they are exclusive.
        for (QRadioButton* button : m_buttons) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
        return;
    }
    // Checking the button reports the change through buttonToggled.
    m_buttons[index]->setChecked(true);
}

QRadioButton* TsRadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void TsRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    layoutButtons();
}

void TsRadioGroup::rebuild()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        auto* button = new QRadioButton(m_items[i], this);
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) { buttonToggled(i, checked); });
        button->show();
        m_buttons.push_back(button);
    }
    layoutButtons();
}

void TsRadioGroup::layoutButtons()
{
    if (m_buttons.isEmpty())
        return;
    const QRect area = contentsRect().adjusted(8, title().isEmpty() ? 4 : 16, -4, -4);
    const int rows = (int(m_buttons.size()) + m_columns - 1) / m_columns;
    const int cellWidth = area.width() / m_columns;
    const int cellHeight = area.height() / rows;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        m_buttons[i]->setGeometry(area.x() + column * cellWidth, area.y() + row * cellHeight,
                                  cellWidth, cellHeight);
    }
}

void TsRadioGroup::buttonToggled(int index, bool checked)
{
    if (!checked || index == m_itemIndex)
        return;
    m_itemIndex = index;
    emit clicked();
}
