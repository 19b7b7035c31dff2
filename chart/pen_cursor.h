#pragma once

#include <QCursor>

/// The chart's 32 x 32 pen-shaped mouse pointer; its hot spot is the nib.
QCursor PenCursor();
