#include "skin/SkinControlRoutines.h"

#include "skin/SkinMessage.h"

#include <QWidget>

namespace {

QList<QWidget*> childWidgets(QWidget* control)
{
    return control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

} // namespace

void RepaintChildren(QWidget* control)
{
    if (!control)
        return;
    for (QWidget* child : childWidgets(control))
        SkinMessage::send(child, SKN_REPAINT);
}

void ThawCacheTree(QWidget* control)
{
    if (!control)
        return;
    SkinMessage::send(control, SKN_FREEZECACHE, 0);
    for (QWidget* child : childWidgets(control))
        ThawCacheTree(child);
}

void RedrawTree(QWidget* control, bool invalidateCaches)
{
    if (!control)
        return;
    control->update();
    for (QWidget* child : childWidgets(control)) {
        if (!CanPaint(child) || child->isWindow())
            continue;
        if (invalidateCaches)
            SetCacheInvalid(child, true);
        RedrawTree(child, invalidateCaches);
    }
}

void SetCacheInvalid(QObject* control, bool invalid)
{
    SkinMessage::send(control, SKN_SETCACHEINVALID, 0, invalid ? intptr_t(-1) : 0);
}

bool CanPaint(const QObject* component)
{
    if (!component || !component->isWidgetType())
        return false;
    return static_cast<const QWidget*>(component)->parentWidget() != nullptr;
}

QWidget* OwningForm(QObject* component)
{
    if (!component || !component->isWidgetType())
        return nullptr;
    return static_cast<QWidget*>(component)->window();
}

void InvalidateWindowedChildren(QWidget* form)
{
    if (!form)
        return;
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (CanPaint(child) && child->window() == form)
            child->update();
    }
}
