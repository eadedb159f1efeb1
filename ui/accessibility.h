// What a screen reader hears: the board as a table of 81 named cells whose
// cursor cell has the focus, and the clock's digits as a named picture, not
// a button. Qt asks for these through a factory installed once.
#pragma once

#include <QString>
#include <cstdint>

#include "core/game_types.h"

namespace lumitile {

void InstallAccessibility();

// 「3行5列 空き」, 「3行5列 7 (固定)」, 「3行5列 7」, with the marks of an
// empty cell after it; under the pause cover nothing of the cell is told.
QString CellAccessibleName(Cell cell, CellView view, uint16_t marks, bool paused);

}  // namespace lumitile
