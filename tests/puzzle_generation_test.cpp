// Puzzle generation: scripted draws walk MakeSolution and CheckCell through
// each branch, and the setup opens cells by the level's odds and quota. What
// seeded builds deal, and so every clash CheckCell finds, is pinned by the
// puzzle_dump test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/solution_builder.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::Digits;
const std::string kZeros(81, '0');  // a fresh grid

// Rows of the shifted-row solution: drawn in reading order, every first draw fits.
std::string Rows(int from, int to) { return testing::kSolution.substr(from * 9, (to - from + 1) * 9); }

struct ScriptEnded {};

// Plays back written draws; running out throws, so a build on a wrong path stops.
struct ScriptedRandom final : RandomSource {
  std::vector<float> draws;
  std::size_t used = 0;
  float Next() override { return used < draws.size() ? draws[used++] : throw ScriptEnded{}; }
  uint64_t SideSeed() const override { return used; }
};

TEST(MakeSolution, ScriptedBuildsEndOnTheExpectedBoard) {
  const struct {
    const char* name;
    std::string script;  // digits drawn in order; the build may halt at their end
    std::string board;   // rows 0 to 8 afterwards
  } cases[] = {
      {"row0_repeats_redrawn_in_place", std::string(31, '1'), "11" + kZeros.substr(2)},
      {"row0_repeats_drawn_again", std::string(31, '1') + "23456789" + Rows(1, 8), Rows(0, 8)},
      // At (1,1) a 2 clashes with the 2 above; a 4 repeats the row.
      {"lower_repeats_change_no_count", Rows(0, 0) + "4222" + std::string(25, '4'),
       Rows(0, 0) + "44" + kZeros.substr(0, 70)},
      // 4 5 6 7 8 1 2 3 leaves only 9 for column 8, and 9 stands above.
      {"column8_clash_clears_row", Rows(0, 0) + "456781239", Rows(0, 0) + std::string(9, '0') + kZeros.substr(0, 63)},
      {"column8_clash_restarts_row", Rows(0, 0) + "456781239" + Rows(1, 8), Rows(0, 8)},
      // At (3,1) a 5 clashes with the 5 above.
      {"clash_20_redraws_cell", Rows(0, 2) + "2" + std::string(20, '5') + "34567891" + Rows(4, 8), Rows(0, 8)},
      // The 2 is in the abandoned row string: a stale one would refuse it.
      {"clash_21_restarts_board_uncleared", Rows(0, 2) + "2" + std::string(21, '5') + "298",
       "298456789" + Rows(1, 2) + "250000000" + kZeros.substr(0, 45)},
  };
  for (const auto& build : cases) {
    Grid grid{};
    ScriptedRandom random;
    // Each draw mid-way in its digit's share of Int(r * 9 + 1).
    for (const char d : build.script) random.draws.push_back((static_cast<float>(d - '0') - 0.5f) / 9.0f);
    try {
      MakeSolution(grid, random);
    } catch (const ScriptEnded&) {
    }
    EXPECT_EQ(random.used, random.draws.size()) << build.name;
    EXPECT_EQ(Digits(grid), build.board) << build.name;
  }
}

// Under the shifted rows, the row's cells so far; the last one is judged.
TEST(CheckCell, ADeadEndNeedsAClashAndEveryMissingNumberAbove) {
  const struct { int16_t row; std::string cells; int16_t result; } cases[] = {
      {1, "45671238", kCellClash},   // 8 above; the missing 9 may still come
      {1, "45671239", kRowDeadEnd},  // 9 in the block; the missing 8 above
      {1, "45679123", kCellFits},    // fits, though the 8 column 8 needs is in the block
      {7, "6783124", kRowDeadEnd},   // 4 above; the missing 5 and 9 above too
      {7, "6789124", kCellClash},    // 4 above; of the missing 3 and 5, 3 is not
  };
  for (const auto& check : cases) {
    Grid grid{};
    const std::string board = Rows(0, check.row - 1) + check.cells;
    for (std::size_t i = 0; i < board.size(); ++i) grid[i / 9][i % 9] = int16_t(board[i] - '0');
    int16_t clashes = 20;  // the 21st clash at a cell gives the board up
    const int16_t expected = check.result == kCellFits ? kCellFits : kBoardGiveUp;
    EXPECT_EQ(CheckCell(grid, check.row, int16_t(check.cells.size() - 1), clashes), expected) << check.cells;
    clashes = 0;
    EXPECT_EQ(CheckCell(grid, check.row, int16_t(check.cells.size() - 1), clashes), check.result) << check.cells;
    EXPECT_EQ(clashes, check.result == kCellFits ? 0 : 1) << check.cells;
  }
}

constexpr float kOpens = 0.0f;  // Int(0 * odds + 1) is 1 for any odds

// A draw that opens a cell exactly when the odds are k or less.
float OpensWhenOddsAtMost(int k) { return (1.0f / static_cast<float>(k) + 1.0f / static_cast<float>(k + 1)) / 2.0f; }

TEST(OpenCells, OddsChangeOnlyAtRows3And6AtTheirThresholds) {
  const struct {
    int16_t odds, quota;
    int openBeforeRow3, row3Odds;  // the odds expected in rows 3 to 5
    int openInRow4, row6Odds;      // the odds expected in rows 6 to 8
  } cases[] = {
      // Beginner 7/10, thresholds 3.3 and 6.7: row 3 lowers at 4 left and raises at 3; row 6 lowers at 7, keeps at 6.
      {7, 10, 6, 6, 0, 6}, {7, 10, 7, 8, 0, 8}, {7, 10, 0, 6, 1, 5}, {7, 10, 0, 6, 2, 6}, {7, 10, 0, 6, 0, 5},
      // Intermediate 4/20, thresholds 6.7 and 13.3.
      {4, 20, 13, 3, 0, 3}, {4, 20, 14, 5, 0, 5}, {4, 20, 0, 3, 4, 2}, {4, 20, 0, 3, 5, 3},
      // Advanced 2/40, thresholds 13.3 and 26.7: never below 2.
      {2, 40, 0, 2, 0, 2}, {2, 40, 26, 2, 0, 2}, {2, 40, 27, 3, 0, 3},
      // A quota of 9, whose thresholds 3 and 6 are met exactly and change nothing.
      {5, 9, 6, 5, 0, 5}, {5, 9, 0, 4, 1, 4},
  };
  for (const auto& odds : cases) {
    Board board;
    for (auto& row : board.Solution) row.fill(1);  // so a given cell is never 0
    for (auto& row : board.Entries) row.fill(7);   // a new deal empties them
    ScriptedRandom random;
    random.draws.assign(81, 0.9f);  // never 1 once the odds are 2 or more
    std::string expected(81, '.');
    int remaining = odds.quota;
    const auto put = [&](int cell, float draw, bool opens) {
      random.draws[cell] = draw;
      if (opens && remaining-- > 0) expected[cell] = 'o';
    };
    // Two cells read the odds: the first opens only below k, the second at k or below.
    const auto probe = [&](int row, int k) {
      put(row * 9, OpensWhenOddsAtMost(k - 1), false);
      put(row * 9 + 1, OpensWhenOddsAtMost(k), true);
    };
    for (int i = 0; i < odds.openBeforeRow3; ++i) put(i, kOpens, true);
    probe(3, odds.row3Odds);
    for (int i = 0; i < odds.openInRow4; ++i) put(36 + i, kOpens, true);
    probe(5, odds.row3Odds);
    probe(6, odds.row6Odds);
    probe(8, odds.row6Odds);
    OpenCells(board, {odds.odds, odds.quota}, random);
    std::string opened;
    for (int i = 0; i < 81; ++i) opened += board.Givens[i / 9][i % 9] == 0 ? 'o' : '.';
    EXPECT_EQ(opened, expected) << "case " << &odds - cases;
    EXPECT_EQ(Digits(board.Entries), kZeros);
    EXPECT_EQ(random.used, 81u) << "a draw for every cell, the quota spent or not";
  }
}

}  // namespace
}  // namespace lumitile
