// Whatever sits where the settings file should be, reading it neither hangs
// nor crashes, and a change either writes a well-formed file or leaves the
// thing alone and says why.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/records/settings_transaction.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

using testing_support::ScratchFolder;

struct HostileFile {
  const char* name;
  std::function<void(const std::string& path)> make;
  std::optional<FileStep> failure;  // how reading it fails
  std::optional<std::string> time;  // what [s] t holds as text
  std::optional<int32_t> number;    // and as a number
  std::string written;              // the file after t is set to 5; empty when left alone
};

std::function<void(const std::string&)> Bytes(std::string bytes) {
  return [bytes](const std::string& path) {
    std::ofstream(path, std::ios::binary) << bytes;
  };
}

std::string BlankLines() {
  return std::string(kMaxSettingsFileBytes - 16, '\n') + "[s]\nt=12\n";
}

const HostileFile kHostileFiles[] = {
    {"fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0666); },
     FileStep::kNotRegularFile, {}, {}, ""},
    {"folder", [](const std::string& path) { std::filesystem::create_directory(path); },
     FileStep::kNotRegularFile, {}, {}, ""},
    {"device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); },
     FileStep::kNotRegularFile, {}, {}, ""},
    {"too large", Bytes("[s]\nt=12\n" + std::string(kMaxSettingsFileBytes, ';')),
     FileStep::kTooLarge, {}, {}, ""},
    {"byte order mark", Bytes("\xEF\xBB\xBF[s]\r\nt=12\r\n"), {}, "12", 12,
     "\xEF\xBB\xBF[s]\r\nt=5\r\n"},
    // Lines a change does not touch keep their lone CR; the changed one ends in CR LF.
    {"CR only", Bytes("[s]\rt=12\r;end\r"), {}, "12", 12, "[s]\rt=5\r\n;end\r"},
    {"4 MiB of blank lines", Bytes(BlankLines()), {}, "12", 12,
     BlankLines().substr(0, BlankLines().size() - 4) + "=5\r\n"},
    {"abc", Bytes("[s]\nt=abc\n"), {}, "abc", {}, "[s]\nt=5\r\n"},
    {"hex", Bytes("[s]\nt=0x10\n"), {}, "0x10", {}, "[s]\nt=5\r\n"},
    {"exponent", Bytes("[s]\nt=1e3\n"), {}, "1e3", {}, "[s]\nt=5\r\n"},
    {"trailing letters", Bytes("[s]\nt=12abc\n"), {}, "12abc", {}, "[s]\nt=5\r\n"},
};

TEST(HostileSettingsFile, IsReadWithoutHangingAndChangedOnlyWhenItIsAFile) {
  // A read that blocks would hang the suite; this ends it with a failure instead.
  ::alarm(60);
  for (const HostileFile& hostile : kHostileFiles) {
    SCOPED_TRACE(hostile.name);
    const ScratchFolder folder;
    const std::string path = folder.Path("lumitile.ini");
    hostile.make(path);
    struct stat before {};
    ::lstat(path.c_str(), &before);
    const SettingsFiles files{path, path, "", false};

    const SettingsSnapshot snapshot = ReadSettings(files);
    EXPECT_EQ(snapshot.failure ? std::optional(snapshot.failure->step) : std::nullopt,
              hostile.failure);
    const auto time = snapshot.file.Find("s", "t");
    EXPECT_EQ(time, hostile.time);
    EXPECT_EQ(time ? ParseDecimalInt(*time) : std::nullopt, hostile.number);

    const auto failure = ChangeSettings(files, [](IniFile& file) { file.Set("s", "t", "5"); });
    EXPECT_EQ(failure.has_value(), hostile.written.empty());
    struct stat after {};
    ::lstat(path.c_str(), &after);
    if (hostile.written.empty()) {
      EXPECT_EQ(after.st_mode, before.st_mode);
      EXPECT_EQ(after.st_ino, before.st_ino);
      EXPECT_EQ(after.st_mtime, before.st_mtime);
    } else {
      // Not EXPECT_EQ: a diff of megabytes of blank lines would take minutes.
      EXPECT_TRUE(folder.Get("lumitile.ini") == hostile.written);
    }
  }
  ::alarm(0);
}

}  // namespace
}  // namespace lumitile
