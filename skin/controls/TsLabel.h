#pragma once

#include <QLabel>
#include <QString>

// A skinned label.
// Until it paints itself from the skin it draws as the plain control; its skin section
// comes from the layout.
class TsLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
public:
    explicit TsLabel(QWidget* parent = nullptr);

    const QString& skinSection() const { return m_skinSection; }
    void setSkinSection(const QString& section) { m_skinSection = section; }

private:
    QString m_skinSection;
};
