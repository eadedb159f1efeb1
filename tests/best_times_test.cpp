// The best-time table and the level as the settings file holds them.
#include "core/records/best_times.h"

#include <gtest/gtest.h>

#include "core/game_session.h"
#include "core/records/ini_profile.h"
#include "core/records/shift_jis.h"
#include "support/fakes.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::ScratchFolder;

TEST(FitName, IsAlwaysTwentyCharacters) {
  EXPECT_EQ(FitName("名前なし"), "名前なし" + std::string(16, ' '));
  EXPECT_EQ(FitName(""), std::string(20, ' '));
  EXPECT_EQ(FitName("abcdefghijklmnopqrstuvwxy"), "abcdefghijklmnopqrst");
  EXPECT_EQ(FitName("一二三四五六七八九十一二三四五六七八九十超"), "一二三四五六七八九十一二三四五六七八九十");
  EXPECT_EQ(FitName("a\tb\nc\x7f"), "a b c " + std::string(14, ' '));
  EXPECT_EQ(FitName("x\xff\xe3\x81"), "x\uFFFD\uFFFD" + std::string(17, ' '));
}

class BestTimesTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  IniProfile profile_{ProgramPlace{folder_.root(), "lumitile"}};
};

TEST_F(BestTimesTest, AFirstStartWritesTheBytesItAlwaysHas) {
  SeededRandom random(1);
  testing::FakeTicks ticks;
  GameSession(random, ticks, profile_).Start();
  EXPECT_EQ(folder_.Get("lumitile.ini"), testing::Golden("first_run.ini"));
}

TEST_F(BestTimesTest, NamesAndTimesRoundTripAndImpossibleTimesAreNone) {
  BestTimes times = EmptyBestTimes();
  times[0] = {61, FitName("山田")};
  times[1] = {0, FitName("Alexandra Konstantinopoulou")};
  times[2] = {1000, FitName("x")};
  ASSERT_TRUE(profile_.Change(BestTimeSettings(times)));
  const BestTimes loaded = LoadBestTimes(profile_);
  EXPECT_EQ(loaded[0], times[0]);
  EXPECT_EQ(loaded[1], (BestTimeRow{0, "Alexandra Konstantin"}));
  EXPECT_EQ(loaded[2].Seconds, kNoRecord);
  folder_.Put("lumitile.ini", Utf8ToCp932("[ハイスコア]\r\n初級=-5\r\n"));
  EXPECT_EQ(LoadBestTimes(profile_), EmptyBestTimes());
}

}  // namespace
}  // namespace lumitile
