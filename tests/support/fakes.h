// Stand-ins for what a game session is given: a clock moved by hand, a
// settings file kept in memory, a ready puzzle, and a board written out as digits.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/records/profile.h"
#include "core/tick_source.h"

namespace lumitile::testing {

struct FakeTicks : TickSource {
  int64_t now = 1'000'000;
  int64_t NowMs() override { return now; }
  void AdvanceSeconds(double seconds) { now += static_cast<int64_t>(seconds * 1000); }
};

// Keys are kept as written; the real file matches ASCII names without regard
// to case, which the game never relies on.
struct MemoryProfile : Profile {
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::vector<std::string>> changes;  // each change as "section/key=value", in order
  bool failWrites = false;

  int32_t ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) override {
    auto it = values.find({std::string(section), std::string(key)});
    if (it == values.end()) return fallback;
    const long long value = std::strtoll(it->second.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
  }
  std::string ReadIniString(std::string_view section, std::string_view key, std::string_view fallback) override {
    auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? std::string(fallback) : it->second;
  }
  bool Change(std::span<const Setting> settings) override {
    if (failWrites) return false;
    auto& change = changes.emplace_back();
    for (const Setting& s : settings) {
      values[{std::string(s.Section), std::string(s.Key)}] = s.Value;
      change.push_back(std::string(s.Section) + "/" + std::string(s.Key) + "=" + s.Value);
    }
    return true;
  }
  std::string Get(const std::string& section, const std::string& key) const {
    auto it = values.find({section, key});
    return it == values.end() ? "<missing>" : it->second;
  }
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

// A file of tests/golden/, bytes as recorded.
inline std::string Golden(const std::string& name) {
  std::ifstream in(std::string(LUMITILE_TESTS_DIR) + "/golden/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lumitile::testing
