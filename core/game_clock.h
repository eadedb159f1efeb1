// The game clock: whole seconds since the start of the game, derived from a
// monotonic tick on every question, so nothing drifts and nothing spins. The
// view polls it from a timer that wakes only when the shown second changes.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_types.h"  // MaxShownSeconds
#include "core/tick_source.h"

namespace lumitile {

inline constexpr int64_t kHintChargeMs = 30000;

class GameClock {
 public:
  explicit GameClock(TickSource& ticks);

  // Takes a fresh start tick and runs (a new game), held at capSeconds.
  void Start(int32_t capSeconds = kMaxShownSeconds);
  // Runs on from a time already played (a game kept across a restart).
  void StartFrom(int32_t seconds, int32_t capSeconds = kMaxShownSeconds);
  // Freezes the time at this moment (a solve).
  void Stop();
  // Holds the time while the player is away; Resume goes on from exactly
  // there. Only a running clock pauses, only a paused one resumes.
  void Pause();
  void Resume();
  // A spent hint: the start moves 30 seconds earlier.
  void ChargeHintTime();

  bool Running() const { return state_ == State::kRunning; }
  bool Paused() const { return state_ == State::kPaused; }
  // Whole seconds of the game, 0 to the cap: live while running, frozen once stopped.
  int32_t ElapsedSeconds() const;
  // How long until ElapsedSeconds changes, or -1 when it cannot change any more
  // (stopped, or at the cap), so the view knows whether it needs a timer at all.
  int64_t MsUntilNextSecond() const;

 private:
  int64_t ElapsedMs() const;

  TickSource& ticks_;
  int64_t startTick_ = 0;
  int64_t frozenMs_ = 0;  // the time while not running
  int64_t capMs_ = int64_t{kMaxShownSeconds} * 1000;
  enum class State { kStopped, kRunning, kPaused };
  State state_ = State::kStopped;
};

// The three digits of the display, hundreds first, with leading zeros;
// times outside 0 to 999 show as the nearest end.
std::array<int, 3> ShowTime(int32_t seconds);

// The m:ss display of the added levels: tens of minutes, minutes, tens of
// seconds, seconds. Below ten minutes the first digit is unlit, as a clock
// of segments shows no leading zero; times outside 0 to 99:59 show as the
// nearest end.
inline constexpr int kUnlitDigit = -1;
std::array<int, 4> ShowMinutes(int32_t seconds);

}  // namespace lumitile
