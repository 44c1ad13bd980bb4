#pragma once

#include "skin/controls/TsGroupBox.h"

#include <QRadioButton>
#include <QStringList>
#include <QVector>

class TsGroupButton;

// A skinned group box with one radio button per item, laid out in columns (filled column
// by column), and the index of the chosen item. Columns are kept within 1..16 and the
// index within -1..count - 1. A new index, chosen by the user or assigned from code,
// checks its button and emits clicked() once; -1 clears the choice and emits nothing.
class TsRadioGroup : public TsGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
public:
    explicit TsRadioGroup(QWidget* parent = nullptr);
    ~TsRadioGroup() override;

    const QStringList& items() const { return m_items; }
    // An index past the new items is lowered to the last one.
    void setItems(const QStringList& items);
    int columns() const { return m_columns; }
    void setColumns(int columns);
    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);

    QRadioButton* button(int index) const;
    // Whether the buttons may change; always in this group.
    virtual bool CanModify() const { return true; }
    void ArrangeButtons();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;

private:
    void SetButtonCount(int count);
    void UpdateButtons();
    void ButtonClick(TsGroupButton* button);
    void ButtonDestroyed(TsGroupButton* button);

    QStringList m_items;
    int m_columns = 1;
    int m_itemIndex = -1;
    bool m_updating = false;
    QVector<TsGroupButton*> m_buttons;
};
