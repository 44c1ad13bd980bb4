#pragma once

#include <QSize>

class QRegion;
struct TsMaskData;
struct TsSkinTables;

// The size of one frame of an image piece (its own picture or a rectangle of the master).
QSize ImageFrameSize(const TsMaskData& piece);

enum class Corners { Top, All };

// Cuts the magenta runs of the corner cells (a third of the frame each way) of the piece's
// first frame out of the region, one rectangle per run and row, at the corners of a window
// of the given size: the top corners, or all four.
void CutMagentaCorners(QRegion& region, const TsSkinTables& tables, const TsMaskData& piece, QSize window, Corners corners);
