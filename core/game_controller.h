// The game controller: owns the state of the one game, the random source,
// the clock and the settings file, and offers the operations the windows
// call. The windows only draw what it reports and forward input; what the
// game wants from them (a sound, the name entry) comes through GameEvents.
// Nothing here blocks or waits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/palette.h"
#include "core/game_clock.h"
#include "core/game_state.h"
#include "core/random_source.h"
#include "core/records/profile.h"

namespace lumitile {

enum class Sound { Pick, Solved };
// The sound's file, without a path.
const char* SoundFileName(Sound sound);

class GameEvents {
 public:
  virtual ~GameEvents() = default;
  virtual void PlaySound(Sound sound) = 0;
  // A solve beat the level's best time: open the name entry, or bring it forward.
  virtual void RecordBroken(int32_t seconds) = 0;
};

enum class CellKind { Given, Placed, Empty };
struct CellView {
  CellKind Kind = CellKind::Empty;
  int Number = 0;  // 1..9 for a given or placed cell
  bool operator==(const CellView&) const = default;
};

// A record that waits for its holder's name: the solve time exactly as it
// was judged, and the level it was judged at.
struct PendingRecord {
  int32_t Seconds = 0;
  int16_t Level = 0;
  bool operator==(const PendingRecord&) const = default;
};

struct BestTimeRow {
  int32_t Seconds = kNoRecord;
  std::string Name;  // all 20 characters, trailing spaces included
};

class GameController {
 public:
  GameController(RandomSource& random, TickSource& ticks, Profile& settings, GameEvents& events);

  // Start-up before the window shows: a fresh state, the best times and the
  // level from the settings file, the level applied, and both written back
  // at once so a missing file or key is created with its default.
  void LoadSettings();
  // Deals a new puzzle at the current level, shows all hint tokens again and
  // starts the clock from zero. The pick stays as it was.
  void NewGame();

  // The level commands: 0 beginner, 1 intermediate, 2 advanced. The board and
  // the clock stay as they are; the next game uses the new level, and a
  // record from now on is judged and stored under it.
  void SelectLevel(int16_t level);

  // Palette picks; each plays the pick sound. False (and silence) for an
  // item that is not there, such as a spent hint token.
  bool PickPanel(int16_t index);
  bool PickEraser();
  bool PickHint(int16_t index);

  // A left click released at pixel (x, y) of the client area: the move, then
  // the solved check when a number was placed or revealed. Returns the
  // move's result (1 when the check ran).
  int16_t ClickBoard(int x, int y);
  // The solved check and, on a solved board, the win sequence: the solved
  // sound, the clock stopped, the record check. True when solved.
  bool CheckSolved();
  // Empties every open cell; givens, clock, hint tokens and pick stay.
  void ClearPlacedPanels();

  // The record flow. CheckRecord opens the name entry when seconds beat the
  // current level's best time (an equal time does not).
  bool CheckRecord(int32_t seconds);
  const std::optional<PendingRecord>& Pending() const { return pending_; }
  // The entry's OK: stores the name, fitted to 20 characters, and the pending
  // solve time. False when no record was waiting.
  bool ConfirmRecord(std::string_view name);
  // The entry closed without OK: the record is dropped.
  void DismissRecord() { pending_.reset(); }
  // The table's rows, levels 0 to 2.
  std::array<BestTimeRow, 3> BestTimeTable() const;
  // Writes the table to the settings file (when the table window fills).
  bool SaveBestTimes();
  // Clears all three records and switches to beginner, in memory and in the
  // settings file. The game on the board and its clock go on.
  void ClearBestTimes();

  // What the view draws.
  bool Dealt() const { return dealt_; }
  CellView Cell(int row, int column) const;
  bool HintVisible(int index) const;
  PointerView Pointer() const { return PointerFor(state_); }
  std::array<bool, 3> LevelChecks() const;
  int32_t ElapsedSeconds() const { return clock_.ElapsedSeconds(); }
  std::array<int, 3> ClockDigits() const { return ShowTime(clock_.ElapsedSeconds()); }
  // Milliseconds until the shown time changes, -1 when it cannot change.
  int64_t MsUntilClockChanges() const { return clock_.MsUntilNextSecond(); }
  bool ClockRunning() const { return clock_.Running(); }

  const GameState& State() const { return state_; }
  // For tests and tools that set up a board by hand.
  GameState& MutableState() { return state_; }

 private:
  void ApplyLevel(int16_t level);

  RandomSource& random_;
  Profile& settings_;
  GameEvents& events_;
  GameState state_;
  GameClock clock_;
  HintTokens tokens_;
  std::optional<PendingRecord> pending_;
  bool dealt_ = false;
};

}  // namespace lumitile
