#pragma once

#include <QCursor>

// The hand cursor of the tiles' icons and titles: 32 × 32, hot spot at (6, 0).
QCursor 手形光标();
