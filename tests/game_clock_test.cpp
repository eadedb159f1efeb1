// The clock: whole seconds from the start tick, hint charges, the stop, the
// three digits and the 999 ceiling.
#include <gtest/gtest.h>

#include "core/game_clock.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using Digits = std::array<int, 3>;

TEST(ShowTime, LeadingZerosAndTheEnds) {
  EXPECT_EQ(ShowTime(0), (Digits{0, 0, 0}));
  EXPECT_EQ(ShowTime(7), (Digits{0, 0, 7}));
  EXPECT_EQ(ShowTime(109), (Digits{1, 0, 9}));
  EXPECT_EQ(ShowTime(110), (Digits{1, 1, 0}));
  EXPECT_EQ(ShowTime(999), (Digits{9, 9, 9}));
  EXPECT_EQ(ShowTime(1000), (Digits{9, 9, 9}));
  EXPECT_EQ(ShowTime(-3), (Digits{0, 0, 0}));
}

TEST(GameClock, CountsWholeSecondsAndHintCharges) {
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  EXPECT_EQ(clock.ElapsedSeconds(), 0) << "before the first game";
  clock.Start();
  ticks.AdvanceSeconds(0.999);
  EXPECT_EQ(clock.ElapsedSeconds(), 0);
  ticks.AdvanceSeconds(9.001);
  EXPECT_EQ(clock.ElapsedSeconds(), 10);
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 40);
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 70);
}

TEST(GameClock, StoppingFreezesTheTime) {
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  clock.Start();
  ticks.AdvanceSeconds(42.5);
  clock.Stop();
  ticks.AdvanceSeconds(100);
  EXPECT_FALSE(clock.Running());
  EXPECT_EQ(clock.ElapsedSeconds(), 42);
  clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 42) << "a hint after the solve changes no time";
  EXPECT_EQ(clock.MsUntilNextSecond(), -1) << "a stopped clock needs no timer";
  clock.Start();
  EXPECT_EQ(clock.ElapsedSeconds(), 0) << "a new game starts from zero";
  EXPECT_EQ(clock.MsUntilNextSecond(), 1000);
  ticks.now += 250;
  EXPECT_EQ(clock.MsUntilNextSecond(), 750) << "the display timer wakes at the next whole second";
}

TEST(GameClock, StopsCountingAt999) {
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  clock.Start();
  ticks.AdvanceSeconds(998.2);
  EXPECT_EQ(clock.MsUntilNextSecond(), 800);
  ticks.AdvanceSeconds(10'000'000);  // about four months
  EXPECT_EQ(clock.ElapsedSeconds(), 999);
  EXPECT_EQ(clock.MsUntilNextSecond(), -1);
  for (int i = 0; i < 100; ++i) clock.ChargeHintTime();
  EXPECT_EQ(clock.ElapsedSeconds(), 999);
}

}  // namespace
}  // namespace lumitile
