#pragma once

#include <QWidget>

// A page of a tab control that tells when it is brought to the front: when it becomes the
// current page, and when its window is shown while it is the current page.
class TabSheet : public QWidget
{
    Q_OBJECT
public:
    explicit TabSheet(QWidget* parent = nullptr);

signals:
    void shown();

protected:
    void showEvent(QShowEvent* event) override;
};
