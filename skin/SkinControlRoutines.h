#pragma once

class QObject;
class QWidget;

// The routines that address whole trees of skinned controls. Copying a cache leaving out
// the children and painting non-windowed children over it have no routine here: Qt paints
// the children over their parent's picture (see the paint contract in TsCommonData.h).

// SKN_REPAINT to each direct child.
void RepaintChildren(QWidget* control);
// SKN_FREEZECACHE with WParam 0 to the control and, recursively, to all its children.
void ThawCacheTree(QWidget* control);
// Asks for a paint of the control and of every child that can paint, with their caches
// marked invalid first when invalidateCaches is set.
void RedrawTree(QWidget* control, bool invalidateCaches);
// SKN_SETCACHEINVALID with LParam all bits set, or 0.
void SetCacheInvalid(QObject* control, bool invalid);
// A control that exists and has a parent to paint in.
bool CanPaint(const QObject* component);
// The window the component lives in, or null.
QWidget* OwningForm(QObject* component);
// A paint request to every child of the form that can paint.
void InvalidateWindowedChildren(QWidget* form);
