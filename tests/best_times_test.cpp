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
  times[4] = {998, FitName("達人")};
  ASSERT_TRUE(profile_.Change(BestTimeSettings(times, profile_)));
  const BestTimes loaded = LoadBestTimes(profile_);
  EXPECT_EQ(loaded[0], times[0]);
  EXPECT_EQ(loaded[1], (BestTimeRow{0, "Alexandra Konstantin"}));
  EXPECT_EQ(loaded[2].Seconds, kNoRecord);
  EXPECT_EQ(loaded[4], times[4]);
  folder_.Put("lumitile.ini", Utf8ToCp932("[ハイスコア]\r\n初級=-5\r\n"));
  EXPECT_EQ(LoadBestTimes(profile_), EmptyBestTimes());
}

// Files from before the two hard levels keep their bytes until one of them
// holds something: a record, or keys the file already has.
TEST_F(BestTimesTest, TheHardLevelsKeysAreWrittenOnlyOnceTheyHoldSomething) {
  const auto keysAfterTheFirstThree = [this](const BestTimes& times) {
    std::string keys;
    const std::vector<Setting> settings = BestTimeSettings(times, profile_);
    for (std::size_t i = 6; i < settings.size(); ++i) keys += std::string(settings[i].Key) + " ";
    return keys;
  };
  BestTimes times = EmptyBestTimes();
  EXPECT_EQ(keysAfterTheFirstThree(times), "");
  times[3] = {40, FitName("a")};
  EXPECT_EQ(keysAfterTheFirstThree(times), "超上級 超上級名前 ");
  for (const char* stored : {"[ハイスコア]\r\n達人名前=\r\n", "[ハイスコア]\r\n達人=999\r\n"}) {
    folder_.Put("lumitile.ini", Utf8ToCp932(stored));
    EXPECT_EQ(keysAfterTheFirstThree(EmptyBestTimes()), "達人 達人名前 ") << stored;
  }
}

}  // namespace
}  // namespace lumitile
