// Where the settings file is found and what happens when the program's
// folder cannot be written.
#include "core/records/settings_location.h"

#include <gtest/gtest.h>

#include "core/records/file_store.h"
#include "core/records/ini_profile.h"
#include "core/records/shift_jis.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::ChildChecks;
using testing_support::RunAsOrdinaryUser;
using testing_support::ScratchFolder;
using testing_support::Write;

TEST(IniFilePath, IsTheProgramNameWithIniBesideIt) {
  EXPECT_EQ(IniFilePath("/opt/lumitile", "lumitile"), "/opt/lumitile/lumitile.ini");
  EXPECT_EQ(IniFilePath("/opt/lumitile/", "Lumitile.exe"), "/opt/lumitile/Lumitile.ini");
  EXPECT_EQ(IniFilePath("/", "lumitile"), "/lumitile.ini");
  EXPECT_EQ(IniFilePath("/games", "lumi.tile.bin"), "/games/lumi.tile.ini");
  EXPECT_EQ(IniFilePath("/games", ".lumitile"), "/games/.lumitile.ini");
}

TEST(UserSettingsFolder, PrefersXdgAndIgnoresRelativePaths) {
  EXPECT_EQ(UserSettingsFolder("/x/conf", "/home/p"), "/x/conf/lumitile");
  EXPECT_EQ(UserSettingsFolder("", "/home/p"), "/home/p/.config/lumitile");
  EXPECT_EQ(UserSettingsFolder("relative", "/home/p/"), "/home/p/.config/lumitile");
  EXPECT_EQ(UserSettingsFolder(nullptr, "relative"), std::nullopt);
}

TEST(ThisProgram, NamesTheRunningExecutable) {
  const auto program = ThisProgram();
  ASSERT_TRUE(program.has_value());
  EXPECT_EQ(program->name, "records_tests");
  EXPECT_EQ(program->folder.front(), '/');
}

// The program folder and its file as a system-wide install leaves them.
class ReadOnlyInstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.MakeFolder("config");
    folder_.MakeFolder("program");
    folder_.Put("program/lumitile.ini", kInstalled, 0644);
    folder_.MakeFolder("program", 0555);
  }
  // [ハイスコア] 初級=120 in CP932.
  static constexpr const char* kInstalled = "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n\x8f\x89\x8b\x89=120\r\n";
  ScratchFolder folder_;
  const std::string userFile_ = folder_.Path("config/lumitile/lumitile.ini");
};

TEST_F(ReadOnlyInstallTest, ARawWriteFailsAndChangesNothing) {
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    const std::string path = folder_.Path("program/lumitile.ini");
    check.Expect(!ReplaceFileAtomically(path, "new", SystemFileWriter()), "write succeeded");
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(folder_.Get("program/lumitile.ini"), kInstalled);
  EXPECT_EQ(folder_.Names("program"), std::set<std::string>{"lumitile.ini"});
}

TEST_F(ReadOnlyInstallTest, RecordsMoveToTheUserFolderStartingFromTheInstalledFile) {
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    IniProfile profile(ProgramPlace{folder_.Path("program"), "lumitile"});
    check.Expect(profile.ReadIniInt("ハイスコア", "初級", 0) == 120, "installed value not read");
    check.Expect(Write(profile, "ハイスコア", "中級", "300"), "write failed");
    check.Expect(profile.ReadIniInt("ハイスコア", "中級", 0) == 300, "written value not read");
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(folder_.Get("program/lumitile.ini"), kInstalled);
  EXPECT_EQ(folder_.Get("config/lumitile/lumitile.ini"),
            "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n"
            "\x8f\x89\x8b\x89=120\r\n\x92\x86\x8b\x89=300\r\n");
}

TEST_F(ReadOnlyInstallTest, TheUserFileWinsOnceItExists) {
  folder_.MakeFolder("config/lumitile");
  folder_.Put("config/lumitile/LUMITILE.ini", Utf8ToCp932("[ハイスコア]\r\n初級=7\r\n"));
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    IniProfile profile(ProgramPlace{folder_.Path("program"), "lumitile"});
    check.Expect(profile.ReadIniInt("ハイスコア", "初級", 0) == 7, "user value not read");
    check.Expect(Write(profile, "ハイスコア", "初級", "6"), "write failed");
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(folder_.Names("config/lumitile"), std::set<std::string>{"LUMITILE.ini"});
}

TEST_F(ReadOnlyInstallTest, AReadOnlyFileInAWritableFolderAlsoMoves) {
  folder_.MakeFolder("program", 0777);
  ::chmod(folder_.Path("program/lumitile.ini").c_str(), 0444);
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    IniProfile profile(ProgramPlace{folder_.Path("program"), "lumitile"});
    check.Expect(Write(profile, "レベル", "値", "1"), "write failed");
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(folder_.Get("program/lumitile.ini"), kInstalled);
  EXPECT_NE(folder_.Get("config/lumitile/lumitile.ini").find("[\x83\x8c\x83\x78\x83\x8b]"),
            std::string::npos);
}

TEST_F(ReadOnlyInstallTest, AWritableCopyKeepsItsFileBesideTheProgram) {
  folder_.MakeFolder("program", 0777);
  ::chmod(folder_.Path("program/lumitile.ini").c_str(), 0666);
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    IniProfile profile(ProgramPlace{folder_.Path("program"), "lumitile"});
    check.Expect(Write(profile, "レベル", "値", "2"), "write failed");
  });
  EXPECT_EQ(report, "");
  EXPECT_NE(folder_.Get("program/lumitile.ini").find("\x92\x6c=2"), std::string::npos);
  EXPECT_EQ(folder_.Names("config"), std::set<std::string>{});
}

TEST_F(ReadOnlyInstallTest, AnUnreadableFileIsNeverOverwritten) {
  folder_.MakeFolder("program", 0777);
  ::chmod(folder_.Path("program/lumitile.ini").c_str(), 0222);
  const std::string report = RunAsOrdinaryUser([&](ChildChecks& check) {
    IniProfile profile(ProgramPlace{folder_.Path("program"), "lumitile"});
    check.Expect(!Write(profile, "レベル", "値", "1"), "write reported success");
  });
  EXPECT_EQ(report, "");
  ::chmod(folder_.Path("program/lumitile.ini").c_str(), 0644);
  EXPECT_EQ(folder_.Get("program/lumitile.ini"), kInstalled);
}

}  // namespace
}  // namespace lumitile
