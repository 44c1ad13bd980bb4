#pragma once

#include <QPoint>
#include <QtCore/qnamespace.h>
#include <QSize>

struct FormMetrics;

enum class FormSizing { Fixed, Sizeable };
enum class FormShow { Normal, Maximized };

// What lies under point p of a skinned form of the given size: a title button, the icon,
// the caption, the menu band, a border or the client area (the codes of HitCodes.h).
// Border codes win over the caption; a maximised form answers HTTRANSPARENT outside
// (2, 2, width - 4, height - 4) and is never sized from its edges.
int FormHitTest(const FormMetrics& m, QSize size, FormSizing sizing, FormShow show, QPoint p);

// The pointer's shape over a code: the sizing arrows over the border, else the arrow.
Qt::CursorShape CursorForHitCode(int code);
