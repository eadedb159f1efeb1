// Test helpers for the puzzle generator: a random source that plays back a
// written sequence of draws, so that a test can steer the solution build and
// the open-cell decision down one exact path, and a check that a board holds
// each number once per row, column and block.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/random_source.h"

namespace lumitile::test {

using Board = std::array<std::array<int, 9>, 9>;

// A complete board made of shifted rows. Drawn in reading order it is
// accepted at every first draw, so a script of its 81 numbers builds it with
// no clash at all.
inline constexpr Board kShiftedBoard{{
    {1, 2, 3, 4, 5, 6, 7, 8, 9},
    {4, 5, 6, 7, 8, 9, 1, 2, 3},
    {7, 8, 9, 1, 2, 3, 4, 5, 6},
    {2, 3, 4, 5, 6, 7, 8, 9, 1},
    {5, 6, 7, 8, 9, 1, 2, 3, 4},
    {8, 9, 1, 2, 3, 4, 5, 6, 7},
    {3, 4, 5, 6, 7, 8, 9, 1, 2},
    {6, 7, 8, 9, 1, 2, 3, 4, 5},
    {9, 1, 2, 3, 4, 5, 6, 7, 8},
}};

// The value r that Int(r * n + 1) turns into d: the middle of d's share of
// [0, 1), far from either edge so rounding cannot move it.
inline float DrawFor(int d, int n = 9) {
  return (static_cast<float>(d) - 0.5f) / static_cast<float>(n);
}

// Thrown when a script has no draw left. It unwinds out of the build, so a
// build that took a wrong turn stops instead of drawing forever.
struct ScriptEnded {};

// Plays back the draws written into it, in order. Asking for one more than
// were written fails the test, unless StopAtEnd was called.
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom& Value(float r) {
    values_.push_back(r);
    return *this;
  }
  ScriptedRandom& Digit(int d) { return Value(DrawFor(d)); }
  ScriptedRandom& Digits(std::initializer_list<int> digits) {
    for (int d : digits) Digit(d);
    return *this;
  }
  ScriptedRandom& Repeat(int d, int times) {
    for (int i = 0; i < times; ++i) Digit(d);
    return *this;
  }
  ScriptedRandom& BoardRow(const Board& board, int row, int fromColumn = 0, int toColumn = 8) {
    for (int c = fromColumn; c <= toColumn; ++c) Digit(board[row][c]);
    return *this;
  }
  ScriptedRandom& BoardRows(const Board& board, int fromRow, int toRow) {
    for (int r = fromRow; r <= toRow; ++r) BoardRow(board, r);
    return *this;
  }

  // For tests that halt a build midway to look at it: the end of the script
  // then only throws ScriptEnded, which RunUntilScriptEnds catches.
  ScriptedRandom& StopAtEnd() {
    stopAtEnd_ = true;
    return *this;
  }

  float Next() override {
    if (next_ == values_.size()) {
      if (!stopAtEnd_) ADD_FAILURE() << "the script ran out after " << values_.size() << " draws";
      throw ScriptEnded{};
    }
    return values_[next_++];
  }

  std::size_t Used() const { return next_; }
  std::size_t Left() const { return values_.size() - next_; }

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
  bool stopAtEnd_ = false;
};

// Passes on the draws of another source but ends a build that draws far
// longer than a real one (under twenty thousand draws over 200 000 seeds),
// so a builder that can no longer finish fails the test instead of hanging it.
class BoundedRandom final : public RandomSource {
 public:
  explicit BoundedRandom(RandomSource& source, std::size_t limit = 1'000'000)
      : source_(source), limit_(limit) {}

  float Next() override {
    if (used_ == limit_) {
      ADD_FAILURE() << "no end after " << limit_ << " draws";
      throw ScriptEnded{};
    }
    ++used_;
    return source_.Next();
  }

 private:
  RandomSource& source_;
  std::size_t limit_;
  std::size_t used_ = 0;
};

// Runs the work until the script is used up; false if the work returned
// first.
template <typename Work>
bool RunUntilScriptEnds(Work&& work) {
  try {
    work();
  } catch (const ScriptEnded&) {
    return true;
  }
  return false;
}

inline void PutBoard(Grid& grid, const Board& board) {
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) grid[r][c] = static_cast<int16_t>(board[r][c]);
}

inline Board BoardOf(const Grid& grid) {
  Board board{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) board[r][c] = grid[r][c];
  return board;
}

// Empty when rows and columns 0 to 8 hold 1 to 9 once in every row, column
// and block; otherwise the first fault found.
inline std::string BoardFault(const Board& board) {
  for (int unit = 0; unit < 27; ++unit) {
    std::array<bool, 10> seen{};
    for (int i = 0; i < 9; ++i) {
      int r = 0;
      int c = 0;
      if (unit < 9) {
        r = unit;
        c = i;
      } else if (unit < 18) {
        r = i;
        c = unit - 9;
      } else {
        r = (unit - 18) / 3 * 3 + i / 3;
        c = (unit - 18) % 3 * 3 + i % 3;
      }
      const int v = board[r][c];
      if (v < 1 || v > 9 || seen[static_cast<std::size_t>(v)]) {
        const char* kind = unit < 9 ? "row" : unit < 18 ? "column" : "block";
        return std::string(kind) + " " + std::to_string(unit % 9) + " breaks at (" +
               std::to_string(r) + "," + std::to_string(c) + ") = " + std::to_string(v);
      }
      seen[static_cast<std::size_t>(v)] = true;
    }
  }
  return {};
}

}  // namespace lumitile::test
