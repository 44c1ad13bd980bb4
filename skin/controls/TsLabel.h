#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

// A transparent label: its skinned parent's face shows through around the text.
class TsLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
public:
    explicit TsLabel(QWidget* parent = nullptr);

    // Labels keep no binding; the section is only remembered.
    const QString& skinSection() const { return m_skinSection; }
    void setSkinSection(const QString& section) { m_skinSection = section; }

    // The font the label paints with.
    virtual QFont GetCurrentFont() const { return font(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_skinSection;
};
