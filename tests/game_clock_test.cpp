// The clock: whole seconds from the start tick, hint charges, the stop, the
// 999 ceiling, the pause, a start from a kept time, and the three digits.
#include <gtest/gtest.h>

#include <functional>

#include "core/game_clock.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

// One clock through two games and a kept one: after each step, the time, the
// wait the display timer needs (-1: none) and whether it runs (r), is held (p)
// or stopped (s). The display's digits, leading zeros and ends.
TEST(GameClock, CountsChargesStopsAndHoldsToTheMillisecondAndShowsThreeDigits) {
  const std::pair<int32_t, std::array<int, 3>> shown[] = {
      {0, {0, 0, 0}}, {7, {0, 0, 7}}, {109, {1, 0, 9}}, {999, {9, 9, 9}}, {1000, {9, 9, 9}}, {-3, {0, 0, 0}}};
  for (const auto& [seconds, digits] : shown) EXPECT_EQ(ShowTime(seconds), digits) << seconds;
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  const struct { const char* what; std::function<void()> act; int32_t seconds; int64_t msToNext; char state; } steps[] = {
      {"before the first game", [] {}, 0, -1, 's'},
      {"only a running clock pauses", [&] { clock.Pause(); }, 0, -1, 's'},
      {"a new game", [&] { clock.Start(); }, 0, 1000, 'r'},
      {"the timer wakes at the next whole second", [&] { ticks.AdvanceSeconds(9.75); }, 9, 250, 'r'},
      {"a hint", [&] { clock.ChargeHintTime(); }, 39, 250, 'r'},
      {"the solve freezes the time", [&] { clock.Stop(); ticks.AdvanceSeconds(100); }, 39, -1, 's'},
      {"a hint after the solve changes no time", [&] { clock.ChargeHintTime(); }, 39, -1, 's'},
      {"the next game starts from zero", [&] { clock.Start(); }, 0, 1000, 'r'},
      {"near the ceiling", [&] { ticks.AdvanceSeconds(998.2); }, 998, 800, 'r'},
      {"four months and a hint stop at 999", [&] { ticks.AdvanceSeconds(1e7); clock.ChargeHintTime(); }, 999, -1, 'r'},
      {"a kept game goes on from its time", [&] { clock.StartFrom(120); ticks.AdvanceSeconds(5.5); }, 125, 500, 'r'},
      {"a pause holds it", [&] { clock.Pause(); ticks.AdvanceSeconds(600); }, 125, -1, 'p'},
      {"the half second before the pause is not lost", [&] { clock.Resume(); }, 125, 500, 'r'},
      {"a stopped clock does not resume", [&] { clock.Pause(); clock.Stop(); clock.Resume(); }, 125, -1, 's'},
      {"a kept time beyond the clock", [&] { clock.StartFrom(5000); }, 999, -1, 'r'},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(clock.ElapsedSeconds(), step.seconds) << step.what;
    EXPECT_EQ(clock.MsUntilNextSecond(), step.msToNext) << step.what;
    EXPECT_EQ(clock.Running() ? 'r' : clock.Paused() ? 'p' : 's', step.state) << step.what;
  }
}

}  // namespace
}  // namespace lumitile
