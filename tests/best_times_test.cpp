// The best-time table and the level as the settings file holds them.
#include "core/records/best_times.h"

#include <gtest/gtest.h>

namespace lumitile {
namespace {

TEST(FitName, IsAlwaysTwentyCharacters) {
  EXPECT_EQ(FitName("名前なし"), "名前なし" + std::string(16, ' '));
  EXPECT_EQ(FitName(""), std::string(20, ' '));
  EXPECT_EQ(FitName("abcdefghijklmnopqrstuvwxy"), "abcdefghijklmnopqrst");
  EXPECT_EQ(FitName("一二三四五六七八九十一二三四五六七八九十超"), "一二三四五六七八九十一二三四五六七八九十");
  EXPECT_EQ(FitName("a\tb\nc\x7f"), "a b c " + std::string(14, ' '));
  EXPECT_EQ(FitName("x\xff\xe3\x81"), "x\uFFFD\uFFFD" + std::string(17, ' '));
}

TEST(BestTimes, RoundTripAndImpossibleTimesAreNone) {
  BestTimes times = EmptyBestTimes();
  times[0] = {61, FitName("山田")};
  times[1] = {0, FitName("Alexandra Konstantinopoulou")};
  times[2] = {1000, FitName("x")};
  IniFile file;
  SaveBestTimes(file, times);
  SaveLevel(file, 2);
  const BestTimes loaded = LoadBestTimes(file);
  EXPECT_EQ(loaded[0], times[0]);
  EXPECT_EQ(loaded[1], (BestTimeRow{0, "Alexandra Konstantin"}));
  EXPECT_EQ(loaded[2].Seconds, kNoRecord);
  EXPECT_EQ(LoadLevel(file), 2);
  SaveBestTime(file, 0, {-5, FitName("y")});
  EXPECT_EQ(LoadBestTimes(file)[0].Seconds, kNoRecord);
}

}  // namespace
}  // namespace lumitile
