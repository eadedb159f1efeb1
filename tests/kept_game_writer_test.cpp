// The game in progress is written off the window's thread: the newest game
// handed over wins, at most one write a gap, a failure comes back to the
// window's thread, and nothing handed over is lost at the end.
#include "app/kept_game_writer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "core/records/kept_game_file.h"
#include "support/game_rig.h"
#include "support/memory_file_system.h"

namespace lumitile {
namespace {

TEST(KeptGameWriter, WritesTheNewestGameOnceAGapAndWhatIsLeftAtTheEnd) {
  testing::EnsureApplication();
  testing_support::MemoryFileSystem disk;
  disk.MakeFolder("/g");
  KeptGameFile file("/g/lumitile.sav", false, disk);
  const auto renames = [&] {
    return std::ranges::count_if(disk.journal, [](const std::string& line) { return line.starts_with("rename"); });
  };
  {
    KeptGameWriter writer(file, std::chrono::hours(1));  // a gap no test outlives
    QSignalSpy failed(&writer, &KeptGameWriter::Failed);
    writer.Keep("a");
    EXPECT_EQ(writer.Flush(), std::nullopt) << "the first game is written at once";
    writer.Keep("b");
    writer.Keep("c");
    EXPECT_EQ(writer.Flush(), std::nullopt);
    EXPECT_EQ(disk.Get("/g/lumitile.sav"), "c");
    EXPECT_EQ(renames(), 2) << "b was never written";
    writer.Keep("c");
    writer.Flush();
    EXPECT_EQ(renames(), 2) << "nor was c twice";
    disk.spaceLeft = 0;
    writer.Keep("d");
    EXPECT_EQ(writer.Flush(), (FileFailure{FileStep::kWrite, ENOSPC, "/g/lumitile.sav"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(failed.count(), 1);
    disk.spaceLeft.reset();
    writer.Keep(std::nullopt);  // solved: no game to go on with
  }
  EXPECT_FALSE(disk.Get("/g/lumitile.sav"));
}

}  // namespace
}  // namespace lumitile
