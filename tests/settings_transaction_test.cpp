// A change to the settings file is all or nothing: stopped or failed at any
// system call it leaves the old file or the new one, says why when it did not
// write, and the next change cleans up after it. Two changes never overlap.
#include "core/records/settings_transaction.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "support/memory_file_system.h"

namespace lumitile {
namespace {

const std::string kOld = "; kept\r\n[s]\r\nt=30\r\nn=Old\r\n[level]\r\nv=1\n";
const SettingsFiles kInPlace{"/g/lumitile.ini", "/g/lumitile.ini", "", false};

void StoreRecord(IniFile& file) { file.Set("s", "t", "12"); file.Set("s", "n", "New name"); }

testing_support::MemoryFileSystem DiskWithOldFile() {
  testing_support::MemoryFileSystem disk;
  disk.MakeFolder("/g");
  disk.MakeFolder("/u");
  disk.Put("/g/lumitile.ini", kOld);
  disk.Put("/g/.lumitile.ini.4242.7.tmp", "[s]\r\nt=1");  // a killed writer's
  return disk;
}

TEST(ChangeSettings, StoppedOrFailedAtAnyCallLeavesTheOldFileOrTheNew) {
  // The first write into a user folder that does not exist yet starts from
  // the file beside the game.
  const SettingsFiles elsewhere{"/g/lumitile.ini", "/u/cfg/lumitile.ini", "/g/lumitile.ini", true};
  for (const SettingsFiles& files : {kInPlace, elsewhere}) {
    const std::string& path = files.writePath;
    const std::optional<std::string> before = DiskWithOldFile().Get(path);
    IniFile expected = IniFile::Parse(kOld);
    StoreRecord(expected);
    const std::string after = expected.Bytes();
    for (const bool kill : {true, false}) {
      int failAt = 1;
      for (;; ++failAt) {
        SCOPED_TRACE(::testing::Message() << path << (kill ? " killed" : " failed") << " at call " << failAt);
        auto disk = DiskWithOldFile();
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
        const std::filesystem::path file(path);
        disk.List(file.parent_path().string(), left);
        for (const std::string& name : left) EXPECT_FALSE(IsTemporaryFileFor(name, file.filename().string())) << name;
      }
      EXPECT_GT(failAt, 15) << path;  // the sequence was really walked
    }
  }
}

// A power cut leaves the old file or the new one: the new bytes are on the
// disk before they take the old file's place, and the folder after, so the
// rename itself lasts. A killed writer's leftover goes first, under the lock.
TEST(ChangeSettings, TheNewBytesAreOnTheDiskBeforeTheyReplaceTheOld) {
  auto disk = DiskWithOldFile();
  ASSERT_EQ(ChangeSettings(kInPlace, StoreRecord, disk), std::nullopt);
  // This writer's temporary file by one name: its process id and counter vary.
  const std::regex ours("/g/\\.lumitile\\.ini\\." + std::to_string(::getpid()) + "\\.[0-9]+\\.tmp");
  std::string steps;
  for (const std::string& step : disk.journal) steps += std::regex_replace(step, ours, "tmp") + " | ";
  EXPECT_EQ(steps, "unlink /g/.lumitile.ini.4242.7.tmp | write tmp | fsync tmp | close tmp | "
                   "rename tmp /g/lumitile.ini | fsync /g | ");
}

// Removing the lock file while a change holds it lets no second change in
// either: the lock's folder is held too.
TEST(ChangeSettings, WaitsABoundedTimeForAnotherChangeAndKeepsBoth) {
  for (const bool lockFileRemoved : {false, true}) {
    SCOPED_TRACE(lockFileRemoved ? "lock file removed" : "lock file kept");
    auto disk = DiskWithOldFile();
    const auto addW = [](IniFile& file) { file.Set("s", "w", "40"); };
    std::optional<FileFailure> inner;
    SettingsSnapshot duringChange;
    const auto addTWhileAnotherChangeTriesW = [&](IniFile& file) {
      file.Set("s", "t", "12");
      if (lockFileRemoved) disk.Unlink("/g/.lumitile.ini.lock");
      inner = ChangeSettings(kInPlace, addW, disk);
      duringChange = ReadSettings(kInPlace, disk);
    };
    EXPECT_EQ(ChangeSettings(kInPlace, addTWhileAnotherChangeTriesW, disk), std::nullopt);
    EXPECT_EQ(inner, (FileFailure{FileStep::kLock, EWOULDBLOCK, "/g/.lumitile.ini.lock"}));
    EXPECT_EQ(disk.pauses, 2 * (kLockAttempts - 1));
    // A reader that cannot wait any longer still sees one whole file.
    EXPECT_EQ(duringChange.failure, std::nullopt);
    EXPECT_EQ(duringChange.file.Bytes(), kOld);

    // Tried again, the second change starts from the first one's file.
    EXPECT_EQ(ChangeSettings(kInPlace, addW, disk), std::nullopt);
    EXPECT_EQ(ReadSettings(kInPlace, disk).file.Bytes(), "; kept\r\n[s]\r\nt=12\r\nn=Old\r\nw=40\r\n[level]\r\nv=1\n");
  }
}

// A lock file removed between its open and its flock is taken afresh, so
// whoever opens the lock file meanwhile (a game that knows only the file)
// finds it held; one that vanishes every time is told, not chased for ever.
TEST(ChangeSettings, TakesALockFileRemovedBeforeItsFlockAfresh) {
  const std::string lock = LockPathFor(kInPlace.NamePath());
  auto disk = DiskWithOldFile();
  int removals = 1;
  disk.beforeFlock = [&] {
    if (removals-- > 0) disk.Unlink(lock);
  };
  bool heldAtItsPath = false;
  const auto storeAndTryTheLockFile = [&](IniFile& file) {
    StoreRecord(file);
    const Descriptor other(disk, disk.Open(lock, O_RDONLY | O_CREAT, 0));
    heldAtItsPath = disk.Flock(other.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  };
  EXPECT_EQ(ChangeSettings(kInPlace, storeAndTryTheLockFile, disk), std::nullopt);
  EXPECT_TRUE(heldAtItsPath);

  removals = kLockAttempts;
  const auto before = disk.Get("/g/lumitile.ini");
  EXPECT_EQ(ChangeSettings(kInPlace, [](IniFile& file) { file.Set("s", "t", "1"); }, disk),
            (FileFailure{FileStep::kLock, ESTALE, lock}));
  EXPECT_EQ(disk.Get("/g/lumitile.ini"), before);
}

TEST(ChangeSettings, WritesNothingWhenNothingChangedAndSaysWhereThereIsNoPlace) {
  auto disk = DiskWithOldFile();
  disk.spaceLeft = 0;  // any write would fail
  EXPECT_EQ(ChangeSettings(kInPlace, [](IniFile& file) { file.Set("s", "t", "30"); }, disk), std::nullopt);
  EXPECT_EQ(ChangeSettings({"/u/l.ini", "/u/l.ini", "", false}, [](IniFile&) {}, disk), std::nullopt);
  EXPECT_EQ(disk.Get("/u/l.ini"), std::nullopt);

  disk.Put("/home", "a file where a folder should be");
  EXPECT_EQ(ChangeSettings({"", "/home/.config/lumitile/lumitile.ini", "", true}, StoreRecord, disk),
            (FileFailure{FileStep::kMakeFolder, ENOTDIR, "/home/.config/lumitile"}));
  EXPECT_EQ(ChangeSettings({}, StoreRecord, disk)->step, FileStep::kMakeFolder);
}

}  // namespace
}  // namespace lumitile
