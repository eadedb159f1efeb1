// Stand-ins for what a game session is given: a clock moved by hand, a
// settings file on a disk kept in memory, a ready puzzle, and a board written out as digits.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/board.h"
#include "core/records/ini_profile.h"
#include "core/tick_source.h"
#include "support/memory_file_system.h"

namespace lumitile::testing {

struct FakeTicks : TickSource {
  int64_t now = 1'000'000;
  int64_t NowMs() override { return now; }
  void AdvanceSeconds(double seconds) { now += static_cast<int64_t>(seconds * 1000); }
};

// The settings file on a disk held in memory, read and changed through the
// game's own profile; the disk can be made to fail.
struct MemoryProfile : Profile {
  static constexpr const char* kPath = "/game/lumitile.ini";
  testing_support::MemoryFileSystem disk;
  IniProfile file{SettingsFiles{kPath, kPath, "", false}, disk};

  MemoryProfile() { disk.MakeFolder("/game"); }
  SettingsSnapshot Read() override { return file.Read(); }
  SettingsSnapshot Peek() override { return file.Peek(); }
  std::optional<FileFailure> Edit(const std::function<void(IniFile&)>& change) override { return file.Edit(change); }
  void Set(std::string_view section, std::string_view key, std::string value) {
    if (Edit([&](IniFile& file) { WriteIniString(file, section, key, value); })) std::abort();
  }
  std::string Get(std::string_view section, std::string_view key) {
    return ReadIniString(Read().file, section, key, "<missing>");
  }
  std::string Bytes() const { return disk.Get(kPath).value_or("<missing>"); }
};

// A grid as 81 digits, row by row.
inline std::string Digits(const Grid& grid) {
  std::string text;
  for (const auto& row : grid)
    for (const int16_t number : row) text += static_cast<char>('0' + number);
  return text;
}

// A solved board of shifted rows, and a puzzle of it with the first `open` cells open.
inline const std::string kSolution =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
inline Board PuzzleWithOpenCells(int open) {
  Board board;
  for (int i = 0; i < 81; ++i) {
    board.Solution[i / 9][i % 9] = static_cast<int16_t>(kSolution[i] - '0');
    board.Givens[i / 9][i % 9] = i < open ? 0 : board.Solution[i / 9][i % 9];
  }
  return board;
}

// A file's bytes (none when it cannot be read), and a file of tests/golden/.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline std::string Golden(const std::string& name) { return FileBytes(LUMITILE_TESTS_DIR "/golden/" + name); }

}  // namespace lumitile::testing
