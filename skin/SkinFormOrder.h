#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

// The application's windows in the order they were created. Qt keeps its top-level widgets
// in an unordered set, so the order is recorded here, by a filter on the application object
// installed as the application object is made.
class SkinFormOrder : public QObject
{
    Q_OBJECT
public:
    // Every top-level window that exists now, oldest first; a window that became top-level
    // after it was created comes after the recorded ones.
    static QList<QWidget*> forms();

    // Installs the recorder on the application object; called once as that object is made.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SkinFormOrder(QObject* application);
    static SkinFormOrder* instance();

    std::vector<QPointer<QWidget>> m_created;
};
