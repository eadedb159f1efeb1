// The kept game belongs to the one running copy that holds its lock, is
// replaced whole or not at all, and a keep that fails says why, naming
// lumitile.sav; a link in its place is written through.
#include "core/records/kept_game_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/memory_file_system.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

const std::string kPath = "/g/lumitile.sav";

testing_support::MemoryFileSystem DiskWithKeptGame() {
  testing_support::MemoryFileSystem disk;
  disk.MakeFolder("/g");
  disk.Put(kPath, "old");
  disk.Put("/g/.lumitile.sav.4242.7.tmp", "ol");  // a killed keep's
  disk.Put("/g/.lumitile.ini.4242.8.tmp", "[s]");  // the settings file's, not ours
  return disk;
}

TEST(KeptGameFile, OneRunningCopyOwnsItAndCleansUpAfterAKilledKeep) {
  auto disk = DiskWithKeptGame();
  {
    KeptGameFile first(kPath, false, disk), second(kPath, false, disk);
    EXPECT_EQ(first.Claim(), KeptGameOwner::kThisCopy);
    EXPECT_FALSE(disk.Get("/g/.lumitile.sav.4242.7.tmp"));
    EXPECT_TRUE(disk.Get("/g/.lumitile.ini.4242.8.tmp"));
    EXPECT_EQ(second.Read(100), "") << "another copy's game is not resumed";
    EXPECT_EQ(second.Claim(), KeptGameOwner::kAnotherCopy);
    EXPECT_EQ(second.Keep("second"), (FileFailure{FileStep::kLock, EWOULDBLOCK, kPath}));
    EXPECT_TRUE(second.Forget());
    EXPECT_EQ(first.Read(100), "old");
    EXPECT_EQ(first.Keep("new"), std::nullopt);
    EXPECT_EQ(disk.Get(kPath), "new");
  }
  KeptGameFile next(kPath, false, disk);
  EXPECT_EQ(next.Read(100), "new") << "the lock went with its copy";
  EXPECT_EQ(next.Forget(), std::nullopt);
  EXPECT_EQ(next.Forget(), std::nullopt) << "a file already gone is no failure";
  EXPECT_FALSE(disk.Get(kPath));
}

TEST(KeptGameFile, AKeepThatFailsSaysWhyNamesTheFileAndLeavesTheOldGame) {
  using Disk = testing_support::MemoryFileSystem;
  const struct {
    const char* what;
    std::function<void(Disk&)> make;
    std::string path;
    FileFailure failure;
  } cases[] = {
      {"a full disk", [](Disk& disk) { disk.spaceLeft = 2; }, kPath, {FileStep::kWrite, ENOSPC, kPath}},
      {"a folder in its place", [](Disk& disk) { disk.MakeFolder(kPath); }, kPath,
       {FileStep::kNotRegularFile, 0, kPath}},
      {"no folder", [](Disk&) {}, "/none/lumitile.sav", {FileStep::kLock, ENOENT, "/none/lumitile.sav"}},
      {"no place at all", [](Disk&) {}, "", {FileStep::kMakeFolder, ENOENT, ""}},
  };
  for (const auto& [what, make, path, failure] : cases) {
    SCOPED_TRACE(what);
    auto disk = DiskWithKeptGame();
    KeptGameFile kept(path, false, disk);
    ASSERT_NE(kept.Claim(), KeptGameOwner::kAnotherCopy);
    make(disk);
    const auto before = disk.Get(kPath);
    EXPECT_EQ(kept.Keep("a new game"), failure);
    EXPECT_EQ(disk.Get(kPath), before);
    std::vector<std::string> left;
    disk.List("/g", left);
    EXPECT_LE(left.size(), 3u) << "the file, the lock and the settings file's temporary at most";
  }
  auto disk = DiskWithKeptGame();
  KeptGameFile created("/u/lumitile/lumitile.sav", true, disk);
  EXPECT_EQ(created.Keep("a new game"), std::nullopt) << "the user's folder is made";
  EXPECT_EQ(disk.Get("/u/lumitile/lumitile.sav"), "a new game");
}

// On the real disk, where links are; the program folder takes the records.
TEST(KeptGameFile, ALinkInItsPlaceIsWrittenThroughAndALoopIsNotReplaced) {
  testing_support::ScratchFolder folder;
  folder.MakeFolder("program");
  folder.MakeFolder("elsewhere");
  folder.Put("elsewhere/game", "old");
  const std::string link = folder.Path("program/lumitile.sav");
  ASSERT_EQ(::symlink("../elsewhere/game", link.c_str()), 0);
  KeptGameFile kept = KeptGameFile::For(ProgramPlace{folder.Path("program"), "lumitile"});
  EXPECT_EQ(kept.Keep("kept"), std::nullopt);
  EXPECT_EQ(folder.Get("elsewhere/game"), "kept");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  ::unlink(link.c_str());
  ASSERT_EQ(::symlink("lumitile.sav", link.c_str()), 0);
  KeptGameFile loop = KeptGameFile::For(ProgramPlace{folder.Path("program"), "lumitile"});
  const auto failure = loop.Keep("kept");
  EXPECT_TRUE(failure && failure->error == ELOOP && failure->path == link);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  ::unlink(link.c_str());
}

}  // namespace
}  // namespace lumitile
