#pragma once

#include <QFrame>
#include <QString>

// A skinned panel: a container that shows its caption centred.
// Until it paints itself from the skin it draws as a plain raised panel; its skin section
// comes from the layout.
class TsPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit TsPanel(QWidget* parent = nullptr);

    const QString& skinSection() const { return m_skinSection; }
    void setSkinSection(const QString& section) { m_skinSection = section; }

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_skinSection;
    QString m_caption;
};
