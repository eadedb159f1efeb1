// What the player (or start-up) asks of the session, as values: one type a
// command, all of them in one variant that GameSession::Execute takes. A
// command that plays at the cursor names the cell; ByKey says the keyboard
// sent it, which brings the cell cursor out.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "core/board.h"
#include "core/game_types.h"
#include "core/records/record_book.h"
#include "core/saved_game.h"

namespace lumitile {

// A deal, which at the hard levels can take longer than a frame: the seed
// is drawn from the game's own source in the order the games are asked for
// (core/deal_reserve.h), so the game's seed still fixes every puzzle, and
// DealBoard turns it into the board on any thread.
struct DealOrder {
  uint64_t Number = 0;  // tells a deal under way from one given up
  int Level = 0;
  uint64_t Seed = 0;
  // Set by the session once the deal is given up, so the work stops early.
  std::shared_ptr<const std::atomic<bool>> GivenUp;
};

inline constexpr int kMaxPrintSet = 12;

// A set of new puzzles for paper (core/print_set.h deals it), ordered and
// dealt as a hard level's game is.
struct PrintOrder {
  int Level = 0;
  int Count = 1;  // 1 to kMaxPrintSet
  uint64_t Seed = 0;
};

namespace cmd {

// Start-up before the window shows: the best times and the level from the
// settings file, read once and written back in the same change so a missing
// file or key is created with its default.
struct Start {};
// Deals a new puzzle at the current level, shows all hint tokens again,
// forgets the moves and starts the clock from zero. The pick stays. The
// deal made ahead for it shows at once; at the hard levels a deal not made
// yet is waited for, and the game on the board goes on until FinishDeal
// brings the new one. Every game begun orders the next one's deal ahead.
struct NewGame {};
// A deal that was ordered, back: the new game waiting for it shown and
// started as NewGame does, or the deal held for the next new game; dropped,
// changing nothing, when another new game, a level change or a new board
// came in the meantime.
struct FinishDeal {
  DealOrder Order;
  Board Dealt;
};
// A new game on this board instead of a dealt one, for tests and tools; its
// records go to the current level as a dealt board's would.
struct NewGameOn {
  Board Position;
};
// A kept game back on the board, its clock going on from the kept time.
struct Restore {
  SavedGame Game;
};
// 問題を入力: the board emptied for the player to set a puzzle's givens with
// the palette or the keys, as entries. A deal under way is given up.
struct EnterPuzzle {};
// A puzzle from outside, after CheckPuzzle: started as a new game of the
// entered kind, with this filling as its solution. Nothing changes unless
// the solution is a complete grid that keeps every given. Both are cells in
// reading order, 0 for open, as the puzzle code's Digits.
struct PlayPuzzle {
  std::array<uint8_t, 81> Givens{};
  std::array<uint8_t, 81> Solution{};
};
// 0 beginner to 5 grandmaster. The board and the clock stay; the next game is
// dealt at it: a deal under way or held for another level is given up, and
// the next game's deal at this one starts at once. It changes at once and is
// stored by the outcome's errand; when the file cannot take it the level
// still changes. Any other value changes nothing.
struct SelectLevel {
  int Level = 0;
};

// A palette pick plays the pick sound; an item that is not there (a spent
// hint token, an index out of range) changes nothing and stays silent.
struct PickItem {
  Pick Item;
};
// The picked item applied to a cell (a click, or Space and Enter at the
// cursor), then the solved check when a number was placed or revealed. A
// hint charges the clock 30 seconds and its token is spent and put down. A
// click on the pause cover only resumes.
struct ApplyPick {
  Cell At;
  bool ByKey = false;
};
// A digit or Delete: the item picked (one pick sound) and applied to the
// cell, as a palette click and a board click would.
struct PickAndApply {
  Pick Item;
  Cell At;
};
// H: the first unspent hint token applied to the cell; nothing when all are
// spent or the cell holds a given.
struct HintAt {
  Cell At;
};
// Escape: the pick put down, the pointer back to the arrow.
struct PutPickDown {};
// A pencil mark, undoable: number 1..9 toggled in an open, unfilled cell.
struct ToggleMark {
  Cell At;
  int Number = 0;
  bool ByKey = false;
};
// A right click: a picked panel's number toggled, or with the eraser every
// mark of the cell taken off. With nothing picked, the mark under the
// pointer: Mark 1..9 names the slot of the cell's 3 x 3 mark grid it hit.
struct MarkWithPick {
  Cell At;
  int Mark = 0;
};
// The cell cursor moved, wrapping around at the board's edges.
struct MoveCursor {
  int Rows = 0;
  int Columns = 0;
};
// Home and End: the first or last cell of the cursor's row.
struct CursorToRowEdge {
  bool Last = false;
};
// Empties every open cell; givens, clock, hint tokens and pick stay.
struct ClearPlacedPanels {};
// 候補をすべて記入: every open cell without a panel marked with exactly the
// numbers its row, column and block still allow. 候補をすべて消す: every
// mark taken off. Each is one move, undone at once.
struct FillCandidates {};
struct ClearCandidates {};
// Take back or replay a move: the board only; the clock, the spent tokens
// and the pick stay. A board completed this way is checked like any move.
struct Undo {};
struct Redo {};

// The clock held and the board covered. Only a running clock pauses (not a
// solved game, not one waiting for a record holder's name); a new game or a
// click on the board resumes.
struct Pause {};
struct Resume {};
struct TogglePause {};

// 重複を表示: every clash on the board marked.
struct ShowDuplicates {
  bool On = false;
};
// 次の一手: the simplest deduction on the board as it stands told (a wrong
// panel first, or that none is left to find); it places nothing, charges
// the clock 30 seconds as a hint does, and shows until the next move.
struct NextStep {};
// 強調表示: the cursor's row, column and block tinted, and the number at the
// cursor or picked marked wherever it stands.
struct ShowHighlight {
  bool On = false;
};
// 間違いを表示: every wrong panel marked (GamePlay::Mistakes).
struct ShowMistakes {
  bool On = false;
};
// The main window's zoom in percent; one not in kZoomPercents changes nothing.
struct SetZoom {
  int Percent = 100;
};

// The name entry's OK (the table shows once the file holds the record, or
// has refused it), and the entry closed without it.
struct ConfirmRecord {
  std::string Name;
};
struct DismissRecord {};
// Clears every record and switches to beginner, as one change of the
// settings file, once the file holds it; when it cannot be written the
// level stays.
struct ClearBestTimes {};
// The table as the file holds it now, for showing; writes nothing.
struct ReadBestTimes {};
// A trip to the settings file that an outcome ordered is over: the table,
// the solve's judgement, the level after a clear and the trouble follow
// from what the file held, in the order the trips were ordered.
struct FileDone {
  FileReply Reply;
};

// A set of Count new puzzles at Level for paper: the outcome carries the
// order to deal off the window's thread. Nothing for a level or count out of
// range. The game's source is read, never drawn from.
struct OrderPrint {
  int Level = 0;
  int Count = 1;
};
// The window goes: every deal under way or held is given up and stops at
// its next try, so nothing waits for one; a new game deals afresh, from the
// same seed.
struct GiveUpDeals {};

}  // namespace cmd

using Command =
    std::variant<cmd::Start, cmd::NewGame, cmd::FinishDeal, cmd::NewGameOn, cmd::Restore, cmd::EnterPuzzle,
                 cmd::PlayPuzzle, cmd::SelectLevel,
                 cmd::PickItem, cmd::ApplyPick, cmd::PickAndApply, cmd::HintAt, cmd::PutPickDown, cmd::ToggleMark,
                 cmd::MarkWithPick, cmd::MoveCursor, cmd::CursorToRowEdge, cmd::ClearPlacedPanels, cmd::Undo,
                 cmd::Redo, cmd::Pause, cmd::Resume, cmd::TogglePause, cmd::ShowDuplicates, cmd::SetZoom,
                 cmd::ConfirmRecord, cmd::DismissRecord, cmd::ClearBestTimes, cmd::ReadBestTimes, cmd::OrderPrint,
                 cmd::FileDone, cmd::GiveUpDeals, cmd::FillCandidates, cmd::ClearCandidates, cmd::ShowHighlight,
                 cmd::ShowMistakes, cmd::NextStep>;

}  // namespace lumitile
