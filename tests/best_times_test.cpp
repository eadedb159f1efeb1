// The best-time table and the level as the settings file holds them.
#include "core/records/best_times.h"

#include <gtest/gtest.h>

#include "core/records/shift_jis.h"

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
  times[4] = {998, FitName("達人")};
  IniFile file;
  SaveBestTimes(file, times);
  SaveLevel(file, 2);
  const BestTimes loaded = LoadBestTimes(file);
  EXPECT_EQ(loaded[0], times[0]);
  EXPECT_EQ(loaded[1], (BestTimeRow{0, "Alexandra Konstantin"}));
  EXPECT_EQ(loaded[2].Seconds, kNoRecord);
  EXPECT_EQ(loaded[4], times[4]);
  EXPECT_EQ(LoadLevel(file), 2);
  SaveBestTime(file, 0, {-5, FitName("y")});
  EXPECT_EQ(LoadBestTimes(file)[0].Seconds, kNoRecord);
}

// Files from before the two hard levels keep their bytes until one of them
// holds something: a record, or keys the file already has.
TEST(BestTimes, TheHardLevelsKeysAreWrittenOnlyOnceTheyHoldSomething) {
  const auto hardKeys = [](const std::string& utf8, const BestTimes& times) {
    IniFile file = IniFile::Parse(Utf8ToCp932(utf8));
    SaveBestTimes(file, times);
    std::string keys;
    for (const char* key : {"超上級", "超上級名前", "達人", "達人名前"})
      if (ReadIniString(file, "ハイスコア", key, "0") == ReadIniString(file, "ハイスコア", key, "1")) keys += std::string(key) + " ";
    return keys;
  };
  BestTimes times = EmptyBestTimes();
  EXPECT_EQ(hardKeys("", times), "");
  times[3] = {40, FitName("a")};
  EXPECT_EQ(hardKeys("", times), "超上級 超上級名前 ");
  for (const char* stored : {"[ハイスコア]\r\n達人名前=\r\n", "[ハイスコア]\r\n達人=999\r\n"})
    EXPECT_EQ(hardKeys(stored, EmptyBestTimes()), "達人 達人名前 ") << stored;
}

}  // namespace
}  // namespace lumitile
