#pragma once

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QVector>

class QRadioButton;

// A skinned group of radio buttons laid out in columns (filled column by column), with
// one chosen item. A change of the chosen item, by the user or by setItemIndex with a
// valid index, emits clicked(); clearing the choice with setItemIndex(-1) does not, and
// neither does choosing the item that is already chosen.
class TsRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
public:
    explicit TsRadioGroup(QWidget* parent = nullptr);

    const QString& skinSection() const { return m_skinSection; }
    void setSkinSection(const QString& section) { m_skinSection = section; }

    // New items start with no item chosen.
    const QStringList& items() const { return m_items; }
    void setItems(const QStringList& items);
    int columns() const { return m_columns; }
    void setColumns(int columns);

    // -1 when no item is chosen; an index outside the items clears the choice.
    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);

    QRadioButton* button(int index) const;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void layoutButtons();
    void buttonToggled(int index, bool checked);

    QString m_skinSection;
    QStringList m_items;
    int m_columns = 1;
    int m_itemIndex = -1;
    QVector<QRadioButton*> m_buttons;
};
