#pragma once

#include "skin/TsCommonData.h"

#include <QFrame>
#include <QString>

// A skinned panel: a container painted from its section (by default "PANEL") that shows
// its caption centred on one line. Unskinned it draws as a plain raised panel.
class TsPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString SkinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit TsPanel(QWidget* parent = nullptr);

    TsCommonData SkinData;

    const QString& skinSection() const { return SkinData.SkinSection(); }
    void setSkinSection(const QString& section) { SkinData.SetSkinSection(section); }

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The face into the cache: section, border, caption.
    virtual void PrepareCache();

private:
    // Draws the whole face into the binding's cache (the paint path sizes it).
    void renderFace();
    void paintUnskinned(QPaintEvent* event);
    void paintCaption(Bitmap24& cache);

    QString m_caption;
};
