// Whatever sits where the settings file should be, a game starting on it
// neither hangs nor crashes: it reads what can be read, mends what makes no
// sense and writes it back, or leaves the thing alone and says why.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/game_session.h"
#include "core/records/shift_jis.h"
#include "support/fakes.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::ScratchFolder;

struct HostileFile {
  const char* name;
  std::function<void(const std::string& path)> make;
  std::optional<FileStep> failure;  // why start-up could not keep the file
  int32_t time;                     // the beginner time the game then holds
  int level;
};

std::function<void(const std::string&)> Bytes(std::string bytes) {
  return [bytes](const std::string& path) { std::ofstream(path, std::ios::binary) << bytes; };
}
std::function<void(const std::string&)> Text(const std::string& utf8) { return Bytes(Utf8ToCp932(utf8)); }

const HostileFile kHostileFiles[] = {
    {"fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0666); }, FileStep::kNotRegularFile,
     kNoRecord, 0},
    {"folder", [](const std::string& path) { std::filesystem::create_directory(path); },
     FileStep::kNotRegularFile, kNoRecord, 0},
    {"device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); },
     FileStep::kNotRegularFile, kNoRecord, 0},
    {"too large", Text("[ハイスコア]\n初級=12\n" + std::string(kMaxSettingsFileBytes, ';')),
     FileStep::kTooLarge, kNoRecord, 0},
    // Read in one pass; written back it would grow past what can be read again.
    {"4 MiB of blank lines", Text(std::string(kMaxSettingsFileBytes - 64, '\n') + "[ハイスコア]\n初級=12\n"),
     FileStep::kTooLarge, 12, 0},
    {"byte order mark", Bytes("\xEF\xBB\xBF" + Utf8ToCp932("[ハイスコア]\r\n初級=12\r\n")), {}, 12, 0},
    {"CR only", Text("[ハイスコア]\r初級=12\r;end\r[レベル]\r値=2\r"), {}, 12, 2},
    {"abc", Text("[ハイスコア]\n初級=abc\n"), {}, kNoRecord, 0},
};

TEST(HostileSettingsFile, AGameStartsOnItWithoutHangingAndKeepsOnlyWhatMakesSense) {
  // A read that blocks would hang the suite; this ends it with a failure instead.
  ::alarm(60);
  for (const HostileFile& hostile : kHostileFiles) {
    SCOPED_TRACE(hostile.name);
    const ScratchFolder folder;
    const std::string path = folder.Path("lumitile.ini");
    hostile.make(path);
    struct stat before {};
    ::lstat(path.c_str(), &before);

    IniProfile file(SettingsFiles{path, path, "", false});
    SeededRandom random(1);
    testing::FakeTicks ticks;
    GameSession game(random, ticks, file);
    const Outcome started = game.Start();
    EXPECT_EQ(started.Trouble ? std::optional(started.Trouble->Failure.step) : std::nullopt, hostile.failure);
    EXPECT_EQ(game.BestTimeTable()[0].Seconds, hostile.time);
    EXPECT_EQ(game.Level(), hostile.level);

    struct stat after {};
    ::lstat(path.c_str(), &after);
    if (hostile.failure) {
      EXPECT_TRUE(after.st_mode == before.st_mode && after.st_ino == before.st_ino &&
                  after.st_mtime == before.st_mtime) << "left alone";
    } else {
      // Written back as the game holds them.
      const IniFile written = file.Read().file;
      EXPECT_EQ(ReadIniString(written, "ハイスコア", "初級", ""), std::to_string(hostile.time));
      EXPECT_EQ(ReadIniString(written, "レベル", "値", ""), std::to_string(hostile.level));
    }
  }
  ::alarm(0);
}

}  // namespace
}  // namespace lumitile
