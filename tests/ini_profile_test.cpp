// The profile functions over a real file beside a pretend executable.
#include "core/records/ini_profile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/records/ini_file.h"

#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::ScratchFolder;
using testing_support::Write;

class IniProfileTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  IniProfile profile_{ProgramPlace{folder_.root(), "lumitile"}};
};

TEST_F(IniProfileTest, MissingFileSectionOrKeyGivesTheFallback) {
  EXPECT_EQ(profile_.ReadIniString("s", "k", "fb"), "fb");
  EXPECT_EQ(profile_.ReadIniInt("s", "k", 999), 999);
  ASSERT_TRUE(Write(profile_, "s", "k", "1"));
  EXPECT_EQ(profile_.ReadIniString("s", "other", "fb"), "fb");
  EXPECT_EQ(profile_.ReadIniString("other", "k", "fb"), "fb");
}

TEST_F(IniProfileTest, ValuesRoundTrip) {
  for (const std::string value : {"山田太郎", "Player One", "ｶﾅ mixed 漢字 ok",
                                  "abcdefghijklmnopqrstuvwxy", "padded  ", "x=y;z[1]"}) {
    ASSERT_TRUE(Write(profile_, "ハイスコア", "初級名前", value));
    // Surrounding blanks are not part of a value when it is read.
    EXPECT_EQ(profile_.ReadIniString("ハイスコア", "初級名前", "fb"), TrimBlanks(value)) << value;
  }
  ASSERT_TRUE(Write(profile_, "s", "empty", ""));
  EXPECT_EQ(profile_.ReadIniString("s", "empty", "fb"), "");
  EXPECT_EQ(profile_.ReadIniInt("s", "empty", 5), 5);
}

TEST_F(IniProfileTest, LongValuesComeBackAsTheirFirst127Bytes) {
  ASSERT_TRUE(Write(profile_, "s", "k", std::string(200, 'a')));
  EXPECT_EQ(profile_.ReadIniString("s", "k", ""), std::string(127, 'a'));
  // 'あ' takes bytes 127 and 128 and is dropped whole.
  ASSERT_TRUE(Write(profile_, "s", "k", std::string(126, 'a') + "ああ"));
  EXPECT_EQ(profile_.ReadIniString("s", "k", ""), std::string(126, 'a'));
}

TEST_F(IniProfileTest, ValuesStayOnOneLineAndInCp932) {
  ASSERT_TRUE(Write(profile_, "s", "k", "a\tb\r\nc\x01" "d€"));
  ASSERT_TRUE(Write(profile_, "s", "next", "n"));
  EXPECT_EQ(folder_.Get("lumitile.ini"), "[s]\r\nk=a b  c d?\r\nnext=n\r\n");
}

TEST_F(IniProfileTest, NamesThatCannotBeStoredChangeNothing) {
  for (const auto& [section, key] : {std::pair{"", "k"}, {"s", ""}, {"s]", "k"}, {"s", "k=v"},
                                     {"s", "\n[t]"}, {"€", "k"}}) {
    EXPECT_FALSE(Write(profile_, section, key, "v")) << section << key;
    EXPECT_EQ(profile_.ReadIniString(section, key, "fb"), "fb");
  }
  EXPECT_TRUE(folder_.Names(".").count("lumitile.ini") == 0);
}

TEST_F(IniProfileTest, InvalidShiftJisReadsAsReplacementCharacters) {
  folder_.Put("lumitile.ini", "[s]\r\nk=a\x85\x40\xff\x81\r\n");
  EXPECT_EQ(profile_.ReadIniString("s", "k", ""), "a\uFFFD\uFFFD\uFFFD");
}

TEST_F(IniProfileTest, AHandWrittenFileKeepsEverythingElse) {
  const std::string original =
      "; my settings\n[Other]\r\nkeep = this \r\n\n[HIGH]\nEasy = 12\n; done\n";
  folder_.Put("lumitile.ini", original);
  EXPECT_EQ(profile_.ReadIniInt("high", "EASY", 0), 12);
  ASSERT_TRUE(Write(profile_, "High", "easy", "3"));
  ASSERT_TRUE(Write(profile_, "high", "hard", "4"));
  EXPECT_EQ(folder_.Get("lumitile.ini"),
            "; my settings\n[Other]\r\nkeep = this \r\n\n[HIGH]\nEasy=3\r\nhard=4\r\n; done\n");
}

TEST_F(IniProfileTest, AFileNamedInAnotherCaseIsUsedInPlace) {
  folder_.Put("Lumitile.INI", "[s]\r\nk=old\r\n");
  EXPECT_EQ(profile_.ReadIniString("s", "k", ""), "old");
  ASSERT_TRUE(Write(profile_, "s", "k", "new"));
  EXPECT_EQ(folder_.Names("."), std::set<std::string>{"Lumitile.INI"});
  EXPECT_EQ(folder_.Get("Lumitile.INI"), "[s]\r\nk=new\r\n");
}

TEST_F(IniProfileTest, SomethingThatIsNotASettingsFileIsLeftAlone) {
  const std::string huge = "[s]\r\nk=v\r\n" + std::string(kMaxSettingsFileBytes, ';');
  folder_.Put("lumitile.ini", huge);
  EXPECT_EQ(profile_.ReadIniString("s", "k", "fb"), "fb");
  EXPECT_FALSE(Write(profile_, "s", "k", "w"));
  EXPECT_EQ(folder_.Get("lumitile.ini"), huge);
  folder_.Put("lumitile.ini", "");
  EXPECT_EQ(profile_.ReadIniString("s", "k", "fb"), "fb");
  std::filesystem::remove(folder_.Path("lumitile.ini"));
  folder_.MakeFolder("lumitile.ini");
  EXPECT_EQ(profile_.ReadIniString("s", "k", "fb"), "fb");
  EXPECT_FALSE(Write(profile_, "s", "k", "w"));
}

// Writes half of what it is given, then fails as a full disk does.
class FullDisk final : public FileWriter {
 public:
  bool WriteAll(int fd, std::string_view bytes) override {
    SystemFileWriter().WriteAll(fd, bytes.substr(0, bytes.size() / 2));
    errno = ENOSPC;
    return false;
  }
  bool Sync(int) override { return true; }
};

TEST_F(IniProfileTest, AFullDiskLeavesTheOldFileWhole) {
  const std::string original = "[s]\r\nk=old\r\n; comment\r\n";
  folder_.Put("lumitile.ini", original);
  FullDisk fullDisk;
  IniProfile profile(ProgramPlace{folder_.root(), "lumitile"}, fullDisk);
  EXPECT_FALSE(Write(profile, "s", "k", std::string(100, 'n')));
  EXPECT_EQ(folder_.Get("lumitile.ini"), original);
  EXPECT_EQ(folder_.Names("."), std::set<std::string>{"lumitile.ini"});
}

TEST_F(IniProfileTest, WritingWhatTheFileAlreadySaysTouchesNothing) {
  folder_.Put("lumitile.ini", "[s]\r\nk=same  \r\n");
  FullDisk fullDisk;  // any real write would fail
  IniProfile profile(ProgramPlace{folder_.root(), "lumitile"}, fullDisk);
  EXPECT_TRUE(Write(profile, "s", "k", "same  "));
  EXPECT_FALSE(Write(profile, "s", "k", "other")) << "a change is still written";
}

}  // namespace
}  // namespace lumitile
