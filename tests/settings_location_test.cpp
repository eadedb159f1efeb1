// Where the settings file is found and what happens when the program's
// folder cannot be written.
#include "core/records/settings_location.h"

#include <gtest/gtest.h>

#include "core/records/ini_profile.h"
#include "core/records/shift_jis.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::RunAsOrdinaryUser;
using testing_support::ScratchFolder;

// The file is the program's name with .ini beside it, or in the user's folder.
TEST(SettingsPaths, BesideTheProgramAndInTheUsersFolder) {
  EXPECT_EQ(IniFilePath("/opt/lumitile", "lumitile"), "/opt/lumitile/lumitile.ini");
  EXPECT_EQ(IniFilePath("/opt/lumitile/", "Lumitile.exe"), "/opt/lumitile/Lumitile.ini");
  EXPECT_EQ(IniFilePath("/", "lumitile"), "/lumitile.ini");
  EXPECT_EQ(IniFilePath("/games", "lumi.tile.bin"), "/games/lumi.tile.ini");
  EXPECT_EQ(IniFilePath("/games", ".lumitile"), "/games/.lumitile.ini");
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

// [ハイスコア] 初級=120 in CP932, as a system-wide install leaves it.
const std::string kInstalled = "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n\x8f\x89\x8b\x89=120\r\n";
const std::string kIntermediate300 = "\x92\x86\x8b\x89=300\r\n";  // 中級=300

struct Install {
  const char* name;
  mode_t programFolder, file;
  std::string fileName;    // the file beside the program
  std::string userFile;    // a file in the user's folder already, or none
  int32_t read;            // 初級 as the game reads it
  std::string written;     // where 中級=300 lands; empty when nowhere
  std::string expected;    // and what that file then holds
};

const std::string kUserFile = Utf8ToCp932("[ハイスコア]\r\n初級=7\r\n");
const Install kInstalls[] = {
    {"read-only install", 0555, 0644, "lumitile.ini", "", 120, "config/lumitile/lumitile.ini",
     kInstalled + kIntermediate300},
    {"user file wins once it exists", 0555, 0644, "lumitile.ini", kUserFile, 7,
     "config/lumitile/LUMITILE.ini", kUserFile + kIntermediate300},
    {"read-only file in a writable folder", 0777, 0444, "lumitile.ini", "", 120,
     "config/lumitile/lumitile.ini", kInstalled + kIntermediate300},
    {"writable copy", 0777, 0666, "lumitile.ini", "", 120, "program/lumitile.ini",
     kInstalled + kIntermediate300},
    {"file named in another case", 0777, 0666, "Lumitile.INI", "", 120, "program/Lumitile.INI",
     kInstalled + kIntermediate300},
    {"unreadable file", 0777, 0222, "lumitile.ini", "", 0, "", ""},
};

// Run as an ordinary user: root writes straight through read-only permissions.
TEST(SettingsLocation, RecordsGoWhereTheyCanBeKeptAndTheInstalledFileStays) {
  for (const Install& install : kInstalls) {
    SCOPED_TRACE(install.name);
    ScratchFolder folder;
    folder.MakeFolder("config");
    folder.MakeFolder("program");
    const std::string installed = "program/" + install.fileName;
    folder.Put(installed, kInstalled, install.file);
    folder.MakeFolder("program", install.programFolder);
    if (!install.userFile.empty()) {
      folder.MakeFolder("config/lumitile");
      folder.Put("config/lumitile/LUMITILE.ini", install.userFile);
    }
    const std::string report = RunAsOrdinaryUser([&] {
      IniProfile profile(ProgramPlace{folder.Path("program"), "lumitile"});
      const int32_t read = ReadIniInt(profile.Read().file, "ハイスコア", "初級", 0);
      const auto failure = profile.Edit([](IniFile& file) { WriteIniString(file, "ハイスコア", "中級", "300"); });
      return std::string(read != install.read ? "read " : "") +
             (failure.has_value() != install.written.empty() ? "written or not" : "");
    });
    EXPECT_EQ(report, "");
    ::chmod(folder.Path(installed).c_str(), 0644);
    if (installed != install.written) EXPECT_EQ(folder.Get(installed), kInstalled);
    if (!install.written.empty()) EXPECT_EQ(folder.Get(install.written), install.expected);
    if (!install.written.starts_with("config/")) EXPECT_TRUE(std::filesystem::is_empty(folder.Path("config")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("program/lumitile.ini")) && install.fileName != "lumitile.ini");
  }
}

}  // namespace
}  // namespace lumitile
