// A change to the settings file is all or nothing: stopped or failed at any
// system call it leaves the old file or the new one, says why when it did not
// write, and the next change cleans up after it. Two changes never overlap.
#include "core/records/settings_transaction.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/memory_file_system.h"

namespace lumitile {
namespace {

using testing_support::MemoryFileSystem;

const std::string kOld = "; kept\r\n[s]\r\nt=30\r\nn=Old\r\n[level]\r\nv=1\n";
const std::string kStaleTemporary = ".lumitile.ini.4242.7.tmp";

void StoreRecord(IniFile& file) {
  file.Set("s", "t", "12");
  file.Set("s", "n", "New name");
}

const std::pair<const char*, SettingsFiles> kScenarios[] = {
    {"in place", {"/g/lumitile.ini", "/g/lumitile.ini", "", false}},
    // The first write into a user folder that does not exist yet starts from
    // the file beside the game.
    {"first write elsewhere", {"/g/lumitile.ini", "/u/cfg/lumitile.ini", "/g/lumitile.ini", true}},
};

MemoryFileSystem DiskWithOldFile() {
  MemoryFileSystem disk;
  disk.MakeFolder("/g");
  disk.MakeFolder("/u");
  disk.Put("/g/lumitile.ini", kOld);
  disk.Put("/g/" + kStaleTemporary, "[s]\r\nt=1");
  return disk;
}

TEST(ChangeSettings, StoppedOrFailedAtAnyCallLeavesTheOldFileOrTheNew) {
  for (const auto& [name, files] : kScenarios) {
    const std::string& path = files.writePath;
    const std::optional<std::string> before = DiskWithOldFile().Get(path);
    IniFile expected = IniFile::Parse(kOld);
    StoreRecord(expected);
    const std::string after = expected.Bytes();
    for (const bool kill : {true, false}) {
      int failAt = 1;
      for (;; ++failAt) {
        SCOPED_TRACE(::testing::Message() << name << (kill ? ", killed" : ", failed")
                                          << " at call " << failAt);
        MemoryFileSystem disk = DiskWithOldFile();
        disk.FailAt(failAt, kill);
        const auto failure = ChangeSettings(files, StoreRecord, disk);
        if (!disk.reached()) break;
        disk.ForgetOpenFiles();
        const auto now = disk.Get(path);
        EXPECT_TRUE(now == before || now == after);
        // Only failures that could not affect the new file go unreported
        // (a stale file that stays, a folder that cannot be synced).
        if (!kill) EXPECT_EQ(now, failure ? before : after);
        if (failure) EXPECT_FALSE(failure->path.empty());

        EXPECT_EQ(ChangeSettings(files, StoreRecord, disk), std::nullopt);
        EXPECT_EQ(disk.Get(path), after);
        std::vector<std::string> left;
        disk.List(FolderOf(path), left);
        for (const std::string& name : left) EXPECT_FALSE(IsTemporaryFileFor(name, NameOf(path))) << name;
      }
      EXPECT_GT(failAt, 15) << name;  // the sequence was really walked
    }
  }
}

TEST(ChangeSettings, WaitsABoundedTimeForAnotherChangeAndKeepsBoth) {
  MemoryFileSystem disk = DiskWithOldFile();
  const SettingsFiles files{"/g/lumitile.ini", "/g/lumitile.ini", "", false};
  std::optional<FileFailure> inner;
  SettingsSnapshot duringChange;
  const auto outer = ChangeSettings(
      files,
      [&](IniFile& file) {
        file.Set("s", "t", "12");
        inner = ChangeSettings(files, [](IniFile& other) { other.Set("s", "w", "40"); }, disk);
        duringChange = ReadSettings(files, disk);
      },
      disk);
  EXPECT_EQ(outer, std::nullopt);
  EXPECT_EQ(inner, (FileFailure{FileStep::kLock, EWOULDBLOCK, "/g/.lumitile.ini.lock"}));
  EXPECT_EQ(disk.pauses, 2 * (kLockAttempts - 1));
  // A reader that cannot wait any longer still sees one whole file.
  EXPECT_EQ(duringChange.failure, std::nullopt);
  EXPECT_EQ(duringChange.file.Bytes(), kOld);

  // Tried again, the second change starts from the first one's file.
  EXPECT_EQ(ChangeSettings(files, [](IniFile& other) { other.Set("s", "w", "40"); }, disk),
            std::nullopt);
  const IniFile now = ReadSettings(files, disk).file;
  EXPECT_EQ(now.Find("s", "t"), "12");
  EXPECT_EQ(now.Find("s", "w"), "40");
}

TEST(ChangeSettings, WritesNothingWhenNothingChanged) {
  MemoryFileSystem disk = DiskWithOldFile();
  disk.spaceLeft = 0;  // any write would fail
  const auto same = [](IniFile& file) { file.Set("s", "t", "30"); };
  EXPECT_EQ(ChangeSettings({"/g/lumitile.ini", "/g/lumitile.ini", "", false}, same, disk),
            std::nullopt);
  EXPECT_EQ(ChangeSettings({"/u/lumitile.ini", "/u/lumitile.ini", "", false}, [](IniFile&) {}, disk),
            std::nullopt);
  EXPECT_EQ(disk.Get("/u/lumitile.ini"), std::nullopt);
}

TEST(ChangeSettings, ReportsWhereThereIsNoPlaceForTheFile) {
  MemoryFileSystem disk;
  disk.Put("/home", "a file where a folder should be");
  const auto failure =
      ChangeSettings({"", "/home/.config/lumitile/lumitile.ini", "", true}, StoreRecord, disk);
  EXPECT_EQ(failure, (FileFailure{FileStep::kMakeFolder, ENOTDIR, "/home/.config/lumitile"}));
  EXPECT_EQ(ChangeSettings({}, StoreRecord, disk)->step, FileStep::kMakeFolder);
}

}  // namespace
}  // namespace lumitile
