#include "skin/controls/TsRadioGroup.h"

#include "skin/controls/TsGroupButton.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

TsRadioGroup::TsRadioGroup(QWidget* parent)
    : TsGroupBox(parent)
{
    UpdateButtons();
}

TsRadioGroup::~TsRadioGroup()
{
    SetButtonCount(0);
}

void TsRadioGroup::setItems(const QStringList& items)
{
    m_items = items;
    if (m_itemIndex >= m_items.size())
        m_itemIndex = int(m_items.size()) - 1;
    UpdateButtons();
}

void TsRadioGroup::setColumns(int columns)
{
    columns = std::clamp(columns, 1, 16);
    if (columns == m_columns)
        return;
    m_columns = columns;
    ArrangeButtons();
    update();
}

void TsRadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, int(m_buttons.size()) - 1);
    if (index == m_itemIndex)
        return;
    if (m_itemIndex >= 0)
        m_buttons[m_itemIndex]->SetChecked(false);
    m_itemIndex = index;
    // Checking clicks, and the click reaches ButtonClick, which tells the group's users.
    if (index >= 0)
        m_buttons[index]->SetChecked(true);
}

QRadioButton* TsRadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void TsRadioGroup::SetButtonCount(int count)
{
    while (m_buttons.size() < count) {
        auto* button = new TsGroupButton(this);
        connect(button, &QAbstractButton::clicked, this, [this, button] { ButtonClick(button); });
        connect(button, &QObject::destroyed, this, [this, button] { ButtonDestroyed(button); });
        m_buttons.push_back(button);
    }
    while (m_buttons.size() > count)
        delete m_buttons.takeLast();
}

void TsRadioGroup::UpdateButtons()
{
    SetButtonCount(int(m_items.size()));
    m_updating = true;
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setText(m_items[i]);
        m_buttons[i]->SetChecked(i == m_itemIndex);
    }
    m_updating = false;
    ArrangeButtons();
    update();
}

// A button deleted from outside takes its item with it; the group never holds a freed button.
void TsRadioGroup::ButtonDestroyed(TsGroupButton* button)
{
    const int index = int(m_buttons.indexOf(button));
    if (index < 0)
        return;
    m_buttons.removeAt(index);
    if (index < m_items.size())
        m_items.removeAt(index);
    if (m_itemIndex == index)
        m_itemIndex = -1;
    else if (m_itemIndex > index)
        --m_itemIndex;
    ArrangeButtons();
}

void TsRadioGroup::ButtonClick(TsGroupButton* button)
{
    if (m_updating)
        return;
    setItemIndex(int(m_buttons.indexOf(button)));
    emit clicked();
}

// rows = ceil(count / columns); each button gets a column's width and a row's height of
// the space below the caption line, the rows centred in what is left over.
void TsRadioGroup::ArrangeButtons()
{
    if (m_buttons.isEmpty())
        return;
    const int tm = QFontMetrics(font()).height();
    const int count = int(m_buttons.size());
    const int rows = (count + m_columns - 1) / m_columns;
    const int columnWidth = (width() - 10) / m_columns;
    const int freeHeight = height() - tm - 5;
    const int rowHeight = freeHeight / rows;
    const int topOffset = (freeHeight % rows) / 2 + tm + 3;
    for (int i = 0; i < count; ++i) {
        TsGroupButton* button = m_buttons[i];
        int x = (i / rows) * columnWidth + 8;
        if (button->layoutDirection() == Qt::RightToLeft)
            x = width() - x - columnWidth;
        button->setGeometry(x, (i % rows) * rowHeight + topOffset, columnWidth, rowHeight);
        button->show();
    }
}

bool TsRadioGroup::event(QEvent* event)
{
    const bool result = TsGroupBox::event(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::Resize:
        ArrangeButtons();
        break;
    case QEvent::EnabledChange:
        for (TsGroupButton* button : std::as_const(m_buttons))
            button->setEnabled(isEnabled());
        break;
    case QEvent::LayoutDirectionChange:
        ArrangeButtons();
        break;
    default:
        break;
    }
    return result;
}
