// The clock: whole seconds from the start tick, hint charges, the stop, the
// 999 ceiling, the pause, a start from a kept time, and the three digits.
#include <gtest/gtest.h>

#include "core/game_clock.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

TEST(ShowTime, LeadingZerosAndTheEnds) {
  const std::pair<int32_t, std::array<int, 3>> cases[] = {
      {0, {0, 0, 0}}, {7, {0, 0, 7}}, {109, {1, 0, 9}}, {999, {9, 9, 9}}, {1000, {9, 9, 9}}, {-3, {0, 0, 0}}};
  for (const auto& [seconds, digits] : cases) EXPECT_EQ(ShowTime(seconds), digits) << seconds;
}

TEST(GameClock, CountsWholeSecondsChargesAndStops) {
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  EXPECT_EQ(clock.ElapsedSeconds(), 0) << "before the first game";
  clock.Start();
  EXPECT_EQ(clock.MsUntilNextSecond(), 1000);
  ticks.AdvanceSeconds(9.75);
  EXPECT_EQ(clock.ElapsedSeconds(), 9);
  EXPECT_EQ(clock.MsUntilNextSecond(), 250) << "the display timer wakes at the next whole second";
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 39);
  clock.Stop();
  ticks.AdvanceSeconds(100);
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 39) << "frozen; a hint after the solve changes no time";
  EXPECT_EQ(clock.MsUntilNextSecond(), -1) << "a stopped clock needs no timer";
  clock.Start();
  EXPECT_EQ(clock.ElapsedSeconds(), 0) << "a new game starts from zero";
  ticks.AdvanceSeconds(998.2);
  EXPECT_EQ(clock.MsUntilNextSecond(), 800);
  ticks.AdvanceSeconds(10'000'000);  // about four months
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 999) << "the clock stops counting at 999";
  EXPECT_EQ(clock.MsUntilNextSecond(), -1);
}

TEST(GameClock, APauseHoldsTheTimeToTheMillisecond) {
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  clock.Pause();
  EXPECT_FALSE(clock.Paused()) << "only a running clock pauses";
  clock.StartFrom(120);
  ticks.AdvanceSeconds(5.5);
  clock.Pause();
  ticks.AdvanceSeconds(600);
  EXPECT_EQ(clock.ElapsedSeconds(), 125);
  EXPECT_EQ(clock.MsUntilNextSecond(), -1) << "a held clock needs no timer";
  clock.Resume();
  EXPECT_EQ(clock.MsUntilNextSecond(), 500) << "the half second before the pause is not lost";
  clock.Pause();
  clock.Stop();
  clock.Resume();
  EXPECT_FALSE(clock.Running()) << "a stopped clock does not resume";
  EXPECT_EQ(clock.ElapsedSeconds(), 125);
  clock.StartFrom(5000);
  EXPECT_EQ(clock.ElapsedSeconds(), 999);
}

}  // namespace
}  // namespace lumitile
