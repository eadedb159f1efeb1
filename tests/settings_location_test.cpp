// The settings file on a real disk: where it is found, what happens when
// the program's folder cannot be written, and what a game starting on
// whatever sits there does: it neither hangs nor crashes, reads what can be
// read, mends what makes no sense and writes it back, or leaves the thing
// alone and says why.
#include "core/records/settings_location.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/game_session.h"
#include "core/records/ini_profile.h"
#include "core/records/kept_game_file.h"
#include "core/records/settings_transaction.h"
#include "core/records/shift_jis.h"
#include "support/fakes.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

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
  EXPECT_EQ(ThisProgram().value_or(ProgramPlace{}).name, "records_tests");
}

const std::string kInstalled = Utf8ToCp932("[ハイスコア]\r\n初級=120\r\n");  // as a system-wide install leaves it
const std::string kUserFile = Utf8ToCp932("[ハイスコア]\r\n初級=7\r\n");

struct Install {
  const char* name;
  mode_t programFolder, file;
  std::string fileName;  // the file beside the program
  std::string userFile;  // a file in the user's folder already, or none
  int32_t read;          // 初級 as the game reads it
  std::string written;   // where 中級=300 lands, after what the file read held; empty when nowhere
  bool shared = false;   // built for an install shared by every user
};

const Install kInstalls[] = {
    {"read-only install", 0555, 0644, "lumitile.ini", "", 120, "config/lumitile/lumitile.ini"},
    {"user file wins once it exists", 0555, 0644, "lumitile.ini", kUserFile, 7, "config/lumitile/LUMITILE.ini"},
    {"read-only file in a writable folder", 0777, 0444, "lumitile.ini", "", 120, "config/lumitile/lumitile.ini"},
    {"writable copy", 0777, 0666, "lumitile.ini", "", 120, "program/lumitile.ini"},
    {"shared install in a folder it could write", 0777, 0666, "lumitile.ini", "", 120, "config/lumitile/lumitile.ini", true},
    {"file named in another case", 0777, 0666, "Lumitile.INI", "", 120, "program/Lumitile.INI"},
    {"unreadable file", 0777, 0222, "lumitile.ini", "", 0, ""},
};

// Run as an ordinary user: root writes straight through read-only permissions.
TEST(SettingsLocation, RecordsGoWhereTheyCanBeKeptAndTheInstalledFileStays) {
  for (const Install& install : kInstalls) {
    SCOPED_TRACE(install.name);
    testing_support::ScratchFolder folder;
    folder.MakeFolder("config");
    folder.MakeFolder("program");
    const std::string installed = "program/" + install.fileName;
    folder.Put(installed, kInstalled, install.file);
    folder.MakeFolder("program", install.programFolder);
    if (!install.userFile.empty()) {
      folder.MakeFolder("config/lumitile");
      folder.Put("config/lumitile/LUMITILE.ini", install.userFile);
    }
    EXPECT_TRUE(testing_support::HoldsAsOrdinaryUser([&] {
      const ProgramPlace program{folder.Path("program"), "lumitile", install.shared};
      IniProfile profile(program);
      const int32_t read = ReadIniInt(profile.Read().file, "ハイスコア", "初級", 0);
      // Kept before the first record, while the records are still only read beside the program.
      const bool kept = !KeptGameFile::For(program).Keep("kept");
      const auto failure = profile.Edit([](IniFile& file) { WriteIniString(file, "ハイスコア", "中級", "300"); });
      return read == install.read && failure.has_value() == install.written.empty() && (failure || kept);
    })) << "初級 reads as " << install.read << (install.written.empty() ? ", nothing is written" : ", 中級 is written");
    // The game in progress waits beside the records.
    if (!install.written.empty())
      EXPECT_EQ(folder.Get(std::filesystem::path(install.written).replace_filename("lumitile.sav").string()), "kept");
    ::chmod(folder.Path(installed).c_str(), 0644);
    if (installed != install.written) EXPECT_EQ(folder.Get(installed), kInstalled);
    const std::string before = install.userFile.empty() ? kInstalled : kUserFile;
    if (!install.written.empty()) EXPECT_EQ(folder.Get(install.written), before + Utf8ToCp932("中級=300\r\n"));
    if (!install.written.starts_with("config/")) EXPECT_TRUE(std::filesystem::is_empty(folder.Path("config")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("program/lumitile.ini")) && install.fileName != "lumitile.ini");
  }
}

// A settings file that is a link is written through, and stays a link; the
// game's own files go beside the link's name, never beside what it points
// to, which may be anywhere (/dev, a folder of another user's).
TEST(SettingsLocation, ALinkIsWrittenThroughAndTheLockStaysBesideItsName) {
  testing_support::ScratchFolder folder;
  folder.MakeFolder("program");
  folder.MakeFolder("synced");
  folder.Put("synced/records.ini", kUserFile);
  std::filesystem::create_symlink(folder.Path("synced/records.ini"), folder.Path("program/lumitile.ini"));
  const SettingsFiles files = LocateSettings(ProgramPlace{folder.Path("program"), "lumitile"});
  EXPECT_EQ(files.NamePath(), folder.Path("program/lumitile.ini"));
  EXPECT_EQ(ChangeSettings(files, [](IniFile& file) { file.Set("s", "k", "v"); }), std::nullopt);
  EXPECT_EQ(folder.Get("synced/records.ini"), kUserFile + "[s]\r\nk=v\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("program/lumitile.ini")));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path("program/.lumitile.ini.lock")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("synced")), {}), 1);
}

using Make = std::function<void(const std::string& path)>;
Make Bytes(std::string bytes) {
  return [bytes](const std::string& path) { std::ofstream(path, std::ios::binary) << bytes; };
}
Make Text(const std::string& utf8) { return Bytes(Utf8ToCp932(utf8)); }

// What start-up could not keep the file for, and the beginner time and level
// the game then holds. Made here: before main, every test would wait for them.
TEST(HostileSettingsFile, AGameStartsOnItWithoutHangingAndKeepsOnlyWhatMakesSense) {
  const std::string twelve = Utf8ToCp932("[ハイスコア]\n初級=12\n");
  const std::tuple<const char*, Make, std::optional<FileStep>, int32_t, int> files[] = {
      {"fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0666); }, FileStep::kNotRegularFile, kNoRecord, 0},
      {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, FileStep::kNotRegularFile,
       kNoRecord, 0},
      {"device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); },
       FileStep::kNotRegularFile, kNoRecord, 0},
      {"too large", Bytes(twelve + std::string(kMaxSettingsFileBytes, ';')), FileStep::kTooLarge, kNoRecord, 0},
      // Read in one pass; written back it would grow past what can be read again.
      {"4 MiB of newlines", Bytes(std::string(kMaxSettingsFileBytes - 64, '\n') + twelve), FileStep::kTooLarge, 12, 0},
      {"byte order mark", Bytes("\xEF\xBB\xBF" + twelve), {}, 12, 0},
      {"CR only", Text("[ハイスコア]\r初級=12\r;end\r[レベル]\r値=2\r"), {}, 12, 2},
      {"abc", Text("[ハイスコア]\n初級=abc\n"), {}, kNoRecord, 0},
  };
  // A read that blocks would hang the suite; this ends it with a failure instead.
  ::alarm(60);
  for (const auto& [name, make, failure, time, level] : files) {
    SCOPED_TRACE(name);
    const testing_support::ScratchFolder folder;
    const std::string path = folder.Path("lumitile.ini");
    make(path);
    struct stat before {}, after {};
    ::lstat(path.c_str(), &before);

    IniProfile file(SettingsFiles{path, path, "", false});
    SeededRandom random(1);
    testing::FakeTicks ticks;
    GameSession game(random, ticks, file);
    const Outcome started = ExecuteAndWait(game, cmd::Start{});
    EXPECT_EQ(started.Trouble ? std::optional(started.Trouble->Failure.step) : std::nullopt, failure);
    EXPECT_EQ(game.BestTimeTable()[0].Seconds, time);
    EXPECT_EQ(game.Level(), level);

    ::lstat(path.c_str(), &after);
    if (failure) {
      EXPECT_EQ(std::tie(after.st_mode, after.st_ino, after.st_mtime),
                std::tie(before.st_mode, before.st_ino, before.st_mtime));
    } else {  // written back as the game holds them
      EXPECT_EQ(ReadIniString(file.Read().file, "ハイスコア", "初級", ""), std::to_string(time));
      EXPECT_EQ(ReadIniString(file.Read().file, "レベル", "値", ""), std::to_string(level));
    }
  }
  ::alarm(0);
}

// The lock is a plain file beside the settings file, whoever made it: one
// another user left read-only still serves, since flock needs no write
// access. A folder, a link or a FIFO in its place is refused as lock trouble
// and nothing is written. Run as an ordinary user, as above.
TEST(SettingsLock, AnyonesPlainFileServesAndNothingElseDoes) {
  const std::tuple<const char*, Make, std::optional<FileStep>> kLocks[] = {
      {"another user's, read-only", [](const std::string& path) { ::close(::creat(path.c_str(), 0444)); },
       std::nullopt},
      {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, FileStep::kLockNotFile},
      {"link", [](const std::string& path) { std::filesystem::create_symlink("lumitile.ini", path); },
       FileStep::kLockNotFile},
      {"fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0666); }, FileStep::kLockNotFile},
  };
  for (const auto& [name, make, step] : kLocks) {
    SCOPED_TRACE(name);
    const testing_support::ScratchFolder folder;
    folder.MakeFolder("g");
    folder.Put("g/lumitile.ini", kUserFile);
    make(folder.Path("g/.lumitile.ini.lock"));
    const auto wanted = step;  // clang before 16 cannot capture a structured binding
    EXPECT_TRUE(testing_support::HoldsAsOrdinaryUser([&] {
      const auto failure = IniProfile(ProgramPlace{folder.Path("g"), "lumitile"}).Edit([](IniFile& file) {
        WriteIniString(file, "ハイスコア", "中級", "300");
      });
      return (failure ? std::optional(failure->step) : std::nullopt) == wanted;
    }));
    EXPECT_EQ(folder.Get("g/lumitile.ini") == kUserFile, step.has_value());
  }
}

}  // namespace
}  // namespace lumitile
