// The best-time table and the level as the settings file holds them.
#include "core/records/best_times.h"

#include <gtest/gtest.h>

#include "core/records/ini_profile.h"
#include "core/records/shift_jis.h"
#include "settings_folder_test.h"

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
  // The settings file as the game keeps it, in CP932.
  void Store(const std::string& utf8Lines) { folder_.Put("lumitile.ini", Utf8ToCp932(utf8Lines)); }

  ScratchFolder folder_;
  IniProfile profile_{ProgramPlace{folder_.root(), "lumitile"}};
  GameState state_;
};

TEST_F(BestTimesTest, FirstRunWritesTheseExactBytes) {
  ResetBestTimes(state_);
  ASSERT_TRUE(SaveBestTimes(state_, profile_));
  ASSERT_TRUE(SaveLevel(profile_, 0));
  const std::string noName = "\x96\xbc\x91\x4f\x82\xc8\x82\xb5" + std::string(16, ' ');
  EXPECT_EQ(folder_.Get("lumitile.ini"),
            "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n"
            "\x8f\x89\x8b\x89=999\r\n"
            "\x8f\x89\x8b\x89\x96\xbc\x91\x4f=" + noName + "\r\n"
            "\x92\x86\x8b\x89=999\r\n"
            "\x92\x86\x8b\x89\x96\xbc\x91\x4f=" + noName + "\r\n"
            "\x8f\xe3\x8b\x89=999\r\n"
            "\x8f\xe3\x8b\x89\x96\xbc\x91\x4f=" + noName + "\r\n"
            "[\x83\x8c\x83\x78\x83\x8b]\r\n"
            "\x92\x6c=0\r\n");
}

TEST_F(BestTimesTest, NamesAndTimesRoundTrip) {
  ResetBestTimes(state_);
  state_.BestTimes = {61, 0, 999, 5};
  state_.BestNames[0] = FitName("山田");
  state_.BestNames[1] = FitName("Alexandra Konstantinopoulou");
  ASSERT_TRUE(SaveBestTimes(state_, profile_));
  GameState loaded;
  LoadBestTimes(loaded, profile_);
  EXPECT_EQ(loaded.BestTimes[0], 61);
  EXPECT_EQ(loaded.BestTimes[1], 0);
  EXPECT_EQ(loaded.BestNames[0], state_.BestNames[0]);
  EXPECT_EQ(loaded.BestNames[1], "Alexandra Konstantin");
  EXPECT_EQ(loaded.BestNames[2], FitName("名前なし"));
}

TEST_F(BestTimesTest, ImpossibleTimesLoadAsNoRecord) {
  Store("[ハイスコア]\r\n初級=-5\r\n中級=100000\r\n上級=99999999999\r\n");
  LoadBestTimes(state_, profile_);
  EXPECT_EQ(state_.BestTimes[0], kNoRecord);
  EXPECT_EQ(state_.BestTimes[1], kNoRecord);
  EXPECT_EQ(state_.BestTimes[2], kNoRecord);
  EXPECT_EQ(state_.BestNames[2], FitName("名前なし"));
}

TEST_F(BestTimesTest, AnUnusableLevelMeansBeginner) {
  const std::pair<const char*, int16_t> cases[] = {{"7", 0}, {"-1", 0}, {"abc", 0}, {"2", 2}, {"", 0}};
  for (const auto& [text, expected] : cases) {
    Store(std::string("[レベル]\r\n値=") + text + "\r\n");
    state_.CurrentLevel = 1;
    EXPECT_EQ(LoadLevel(state_, profile_), expected) << text;
    EXPECT_EQ(state_.CurrentLevel, expected) << text;
  }
}

// A profile that refuses every write, as a read-only disk with no user folder would.
class RefusingProfile final : public Profile {
 public:
  int32_t ReadIniInt(std::string_view, std::string_view, int32_t fallback) override { return fallback; }
  std::string ReadIniString(std::string_view, std::string_view, std::string_view f) override {
    return std::string(f);
  }
  int32_t WriteIniString(std::string_view, std::string_view, std::string_view) override { return 0; }
};

TEST(BestTimesFailure, IsReported) {
  RefusingProfile profile;
  GameState state;
  ResetBestTimes(state);
  EXPECT_FALSE(SaveBestTimes(state, profile));
  EXPECT_FALSE(SaveLevel(profile, 1));
}

}  // namespace
}  // namespace lumitile
