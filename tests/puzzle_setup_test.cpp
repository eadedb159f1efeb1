// Puzzle setup: which cells open for each level, and what the grids hold
// afterwards. The odds in force in a row are read off which scripted draws
// open a cell there.
#include "puzzle/puzzle_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>

#include "game/level_table.h"
#include "scripted_random.h"

namespace lumitile {
namespace {

using test::kShiftedBoard;
using test::ScriptedRandom;

constexpr float kOpens = 0.0f;  // Int(0 * odds + 1) is 1 for any odds
constexpr float kStays = 0.9f;  // never 1 once the odds are 2 or more

// A draw that opens a cell exactly when the odds are k or less: it lies
// between 1/(k+1) and 1/k, and a cell opens when x < 1/odds.
float OpensWhenOddsAtMost(int k) {
  return (1.0f / static_cast<float>(k) + 1.0f / static_cast<float>(k + 1)) / 2.0f;
}

GameState StateForLevel(int level) {
  GameState state;
  InitGame(state);
  test::PutBoard(state.SolutionGrid, kShiftedBoard);
  const auto parameters = LevelParametersFor(level);
  state.OpenOdds = parameters->OpenOdds;
  state.OpenQuota = parameters->OpenQuota;
  return state;
}

using OpenPattern = std::array<std::array<bool, 9>, 9>;

OpenPattern OpenCellsOf(const GameState& state) {
  OpenPattern open{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) open[r][c] = state.GivenGrid[r][c] == 0;
  return open;
}

std::string Show(const OpenPattern& open) {
  std::string text;
  for (const auto& row : open) {
    for (bool cell : row) text += cell ? 'o' : '.';
    text += '\n';
  }
  return text;
}

// Lays out the 81 draws of one setup row by row, keeping count of the open
// cells still allowed, and notes which cells must come out open.
class OpenScript {
 public:
  explicit OpenScript(int quota) : remaining_(quota) {
    for (auto& row : draws_) row.fill(kStays);
  }

  // Opens `count` cells in reading order from the start of `row`.
  void Open(int row, int count) {
    for (int i = 0; i < count; ++i) {
      const int r = row + i / 9;
      const int c = i % 9;
      draws_[r][c] = kOpens;
      expected_[r][c] = true;
      --remaining_;
    }
  }

  // Two cells that read the odds of `row`: the first opens only if they are
  // below `odds`, the second only if they are `odds` or below. With no open
  // cell left to make, both stay given and tell nothing.
  void Probe(int row, int odds) {
    if (remaining_ <= 0) return;
    draws_[row][0] = OpensWhenOddsAtMost(odds - 1);
    draws_[row][1] = OpensWhenOddsAtMost(odds);
    expected_[row][1] = true;
    --remaining_;
  }

  int Remaining() const { return remaining_; }
  const OpenPattern& Expected() const { return expected_; }

  ScriptedRandom Random() const {
    ScriptedRandom random;
    for (const auto& row : draws_)
      for (float x : row) random.Value(x);
    return random;
  }

 private:
  std::array<std::array<float, 9>, 9> draws_{};
  OpenPattern expected_{};
  int remaining_;
};

struct OddsCase {
  const char* name;
  int level;
  int openBeforeRow3;  // sets the remaining count that row 3 sees
  int row3Odds;        // expected in rows 3 to 5
  int openInRow4;      // with the two probes, sets the count that row 6 sees
  int row6Odds;        // expected in rows 6 to 8
  int remainingAtRow6;
};

void PrintTo(const OddsCase& odds, std::ostream* out) { *out << odds.name; }

// Each threshold from both sides: beginner 4/3 at row 3 and 7 at row 6,
// intermediate 7/6 and 14, advanced never lower at row 3, higher from 13,
// and never below 2 at row 6. Rows 7 and 8 still see enough remaining in
// "lowers_only_once" to catch a change outside rows 3 and 6.
constexpr OddsCase kOddsCases[] = {
    {"beginner_row3_at_4_lowers", 0, 6, 6, 0, 6, 2},
    {"beginner_row3_at_3_raises", 0, 7, 8, 0, 8, 1},
    {"beginner_row6_at_7_lowers", 0, 0, 6, 1, 5, 7},
    {"beginner_row6_at_6_keeps", 0, 0, 6, 2, 6, 6},
    {"beginner_row6_lowers_only_once", 0, 0, 6, 0, 5, 8},
    {"intermediate_row3_at_7_lowers", 1, 13, 3, 0, 3, 5},
    {"intermediate_row3_at_6_raises", 1, 14, 5, 0, 5, 4},
    {"intermediate_row6_at_14_lowers", 1, 0, 3, 4, 2, 14},
    {"intermediate_row6_at_13_keeps", 1, 0, 3, 5, 3, 13},
    {"advanced_full_quota_stays_at_2", 2, 0, 2, 0, 2, 38},
    {"advanced_row3_at_14_keeps", 2, 26, 2, 0, 2, 12},
    {"advanced_row3_at_13_raises", 2, 27, 3, 0, 3, 11},
};

class OpenCellsOdds : public ::testing::TestWithParam<OddsCase> {};

TEST_P(OpenCellsOdds, ChangeOnlyAtRows3And6AtTheirThresholds) {
  const OddsCase& odds = GetParam();
  GameState state = StateForLevel(odds.level);
  OpenScript script(state.OpenQuota);
  script.Open(0, odds.openBeforeRow3);
  script.Probe(3, odds.row3Odds);
  script.Open(4, odds.openInRow4);
  script.Probe(5, odds.row3Odds);
  ASSERT_EQ(script.Remaining(), odds.remainingAtRow6) << "the case is laid out wrong";
  script.Probe(6, odds.row6Odds);
  script.Probe(8, odds.row6Odds);

  ScriptedRandom random = script.Random();
  OpenCells(state, random);
  EXPECT_EQ(Show(OpenCellsOf(state)), Show(script.Expected()));
  EXPECT_EQ(random.Left(), 0u) << "a setup makes 81 draws";
}

INSTANTIATE_TEST_SUITE_P(Levels, OpenCellsOdds, ::testing::ValuesIn(kOddsCases),
                         [](const auto& named) { return std::string(named.param.name); });

TEST(OpenCells, OnceTheQuotaIsUsedEveryLaterCellIsGivenAndAllDrawsAreStillMade) {
  for (int level = 0; level < 3; ++level) {
    GameState state = StateForLevel(level);
    ScriptedRandom random;
    for (int i = 0; i < 81; ++i) random.Value(kOpens);
    OpenCells(state, random);
    EXPECT_EQ(random.Left(), 0u);
    for (int i = 0; i < 81; ++i) {
      const int r = i / 9;
      const int c = i % 9;
      const int16_t expected = i < state.OpenQuota ? int16_t{0} : state.SolutionGrid[r][c];
      ASSERT_EQ(state.GivenGrid[r][c], expected) << "level " << level << " cell (" << r << "," << c << ")";
    }
  }
}

TEST(OpenCells, LevelParametersOfZeroOpenNoCell) {
  GameState state = StateForLevel(0);
  state.OpenOdds = 0;
  state.OpenQuota = 0;
  ScriptedRandom random;
  for (int i = 0; i < 81; ++i) random.Value(i % 2 == 0 ? kOpens : kStays);
  OpenCells(state, random);
  EXPECT_EQ(random.Left(), 0u);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) ASSERT_EQ(state.GivenGrid[r][c], state.SolutionGrid[r][c]);
}

// A scripted build that fits at every first draw takes 81 draws; the setup
// must then take exactly 81 more and leave a fresh entry grid.
TEST(NewPuzzle, BuildsThenMakesExactly81DrawsAndClearsTheEntries) {
  GameState state = StateForLevel(1);
  for (auto& row : state.EntryGrid) row.fill(7);
  for (auto& row : state.GivenGrid) row.fill(7);
  ScriptedRandom random;
  random.BoardRows(kShiftedBoard, 0, 8);
  for (int i = 0; i < 81; ++i) random.Value(i % 5 == 0 ? kOpens : kStays);  // 17 cells, within the quota of 20
  NewPuzzle(state, random);
  EXPECT_EQ(random.Left(), 0u);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  for (int r = 0; r <= 10; ++r) {
    for (int c = 0; c <= 10; ++c) {
      const bool board = r < 9 && c < 9;
      ASSERT_EQ(state.EntryGrid[r][c], board ? 0 : 7) << "(" << r << "," << c << ")";
      if (!board) {
        ASSERT_EQ(state.GivenGrid[r][c], 7) << "(" << r << "," << c << ")";
      } else {
        const bool open = (r * 9 + c) % 5 == 0;
        ASSERT_EQ(state.GivenGrid[r][c], open ? 0 : kShiftedBoard[r][c]) << "(" << r << "," << c << ")";
      }
    }
  }
}

TEST(NewPuzzle, SeededDealsKeepTheQuotaAndGiveOnlySolutionNumbers) {
  for (int level = 0; level < 3; ++level) {
    GameState state = StateForLevel(level);
    int mostOpen = 0;
    for (uint64_t seed = 1; seed <= 300; ++seed) {
      for (auto& row : state.EntryGrid) row.fill(3);
      SeededRandom seeded(seed);
      test::BoundedRandom random(seeded);
      NewPuzzle(state, random);
      int open = 0;
      for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
          ASSERT_EQ(state.EntryGrid[r][c], 0);
          const int16_t given = state.GivenGrid[r][c];
          if (given == 0) {
            ++open;
          } else {
            ASSERT_EQ(given, state.SolutionGrid[r][c]) << "level " << level << " seed " << seed;
          }
        }
      }
      ASSERT_LE(open, state.OpenQuota) << "level " << level << " seed " << seed;
      mostOpen = std::max(mostOpen, open);
    }
    // Some deal in 300 uses the whole quota; one cell short would mean the
    // last allowed cell is never opened.
    EXPECT_EQ(mostOpen, state.OpenQuota) << "level " << level;
  }
}

}  // namespace
}  // namespace lumitile
