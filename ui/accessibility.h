// What a screen reader hears: the board as a list of 81 named cells, laid
// out as a table, whose cursor cell has the focus; the palette's items with
// their pick; the clock by a fixed name with its time as a value; and the
// game's news through an announcer. Qt asks for these through a factory
// installed once.
#pragma once

#include <QString>
#include <cstdint>

#include "core/board.h"
#include "core/game_types.h"

class QWidget;

namespace lumitile {

void InstallAccessibility();

// A few words for a screen reader to say now, whatever has the focus: the
// announcer of the window that holds from, a notification nobody sees,
// takes them and shows.
void Announce(QWidget* from, const QString& words);
// Each cell's name-change event, so a reader says the cursor cell's new name
// and no client keeps reading an old one; board is the BoardWidget.
void TellCellsChanged(QWidget* board, const CellSet& cells);
// The cursor cell takes the focus, as a reader sees it.
void TellCursorFocused(QWidget* board, Cell cursor);
// 「12分3秒」, 「45秒」.
QString SpokenTime(int32_t seconds);

// 「3行5列 空き」, 「3行5列 7 (固定)」, 「3行5列 7」, with the marks of an
// empty cell after it; under the pause cover nothing of the cell is told.
QString CellAccessibleName(Cell cell, CellView view, uint16_t marks, bool paused);

}  // namespace lumitile
