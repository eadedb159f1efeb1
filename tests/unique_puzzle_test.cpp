// The logic solver, and the 超上級 and 達人 deals it shapes. Each technique
// alone, on a worked position where no other makes progress, removes exactly
// the textbook candidates, and givens that contradict themselves leave a
// broken board, never a solution. Over many seeds each deal is a sound puzzle
// with the open count of its level and needs of the solver what its level says.
#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <string_view>

#include "core/puzzle/logic_solver.h"
#include "core/puzzle/step.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using Cells = std::bitset<81>;

Cells At(int row, int column) { return Cells().set(static_cast<std::size_t>(row * 9 + column)); }
Cells Unit(auto cellAt) {
  Cells cells;
  for (int i = 0; i < 9; ++i) cells |= cellAt(i);
  return cells;
}
Cells Row(int r) { return Unit([r](int i) { return At(r, i); }); }
Cells Column(int c) { return Unit([c](int i) { return At(i, c); }); }
Cells Box(int b) { return Unit([b](int i) { return At(b / 3 * 3 + i / 3, b % 3 * 3 + i % 3); }); }

// The candidates `digits` in `cells`, as one mask per cell.
CandidateMasks Strike(Cells cells, std::string_view digits) {
  CandidateMasks masks{};
  for (std::size_t cell = 0; cell < 81; ++cell)
    for (const char d : digits) masks[cell] |= cells[cell] ? static_cast<uint16_t>(1u << (d - '1')) : 0;
  return masks;
}
CandidateMasks operator|(CandidateMasks a, const CandidateMasks& b) {
  for (std::size_t cell = 0; cell < 81; ++cell) a[cell] |= b[cell];
  return a;
}

constexpr Technique kAll[] = {Technique::kNakedSingle,  Technique::kHiddenSingle, Technique::kLockedCandidates,
                              Technique::kNakedSubset,  Technique::kHiddenSubset, Technique::kXWing};

TEST(LogicSolver, EachTechniqueRemovesExactlyItsCandidatesWhereNoOtherProgresses) {
  const Cells pair = At(0, 0) | At(0, 4), triple = pair | At(0, 8);
  const Cells rows14 = Row(1) | Row(4), columns27 = Column(2) | Column(7);
  const Cells rows27 = Row(2) | Row(7), columns14 = Column(1) | Column(4);
  const struct {
    const char* name;
    Technique technique;
    CandidateMasks struck;    // the position: all candidates but these
    CandidateMasks expected;  // what the technique removes
    int placedCell = -1;      // a single also places its 5 here
    Cells pattern = {};       // the cells the step names as making it
  } cases[] = {
      {"naked single", Technique::kNakedSingle, Strike(At(4, 4), "12346789"),
       Strike((Row(4) | Column(4) | Box(4)) & ~At(4, 4), "5"), 4 * 9 + 4},
      // 5 has one place left in row 0, and none elsewhere in its column or box.
      {"hidden single", Technique::kHiddenSingle, Strike((Row(0) | Column(4) | Box(1)) & ~At(0, 4), "5"),
       Strike(At(0, 4), "12346789"), 4},
      // In box 0, 5 keeps to row 0: the rest of row 0 loses it; and the other way round.
      {"locked pointing", Technique::kLockedCandidates, Strike(Box(0) & ~Row(0), "5"), Strike(Row(0) & ~Box(0), "5"), -1,
       Box(0) & Row(0)},
      {"locked claiming", Technique::kLockedCandidates, Strike(Row(0) & ~Box(0), "5"), Strike(Box(0) & ~Row(0), "5"), -1,
       Box(0) & Row(0)},
      {"locked pointing down a column", Technique::kLockedCandidates, Strike(Box(4) & ~Column(4), "5"),
       Strike(Column(4) & ~Box(4), "5"), -1, Box(4) & Column(4)},
      {"locked claiming in a column", Technique::kLockedCandidates, Strike(Column(4) & ~Box(4), "5"),
       Strike(Box(4) & ~Column(4), "5"), -1, Box(4) & Column(4)},
      {"naked pair", Technique::kNakedSubset, Strike(pair, "3456789"), Strike(Row(0) & ~pair, "12"), -1, pair},
      {"naked triple", Technique::kNakedSubset,
       Strike(At(0, 0), "3456789") | Strike(At(0, 4), "1456789") | Strike(At(0, 8), "2456789"),
       Strike(Row(0) & ~triple, "123"), -1, triple},
      {"hidden pair", Technique::kHiddenSubset, Strike(Row(0) & ~pair, "12"), Strike(pair, "3456789"), -1, pair},
      // 1 at c0 or c4, 2 at c4 or c8, 3 at c0 or c8.
      {"hidden triple", Technique::kHiddenSubset,
       Strike(Row(0) & ~triple, "123") | Strike(At(0, 8), "1") | Strike(At(0, 0), "2") | Strike(At(0, 4), "3"),
       Strike(triple, "456789"), -1, triple},
      {"x-wing in rows", Technique::kXWing, Strike(rows14 & ~columns27, "5"), Strike(columns27 & ~rows14, "5"), -1,
       rows14 & columns27},
      {"x-wing in columns", Technique::kXWing, Strike(columns14 & ~rows27, "5"), Strike(rows27 & ~columns14, "5"), -1,
       rows27 & columns14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CandidateMasks masks;
    // Every bit not struck, with those above digit 9 that the board must drop.
    for (std::size_t cell = 0; cell < 81; ++cell) masks[cell] = static_cast<uint16_t>(~c.struck[cell]);
    const CandidateBoard start = CandidateBoard::FromCandidates(masks);
    // The next step names the technique, its change and its cells, and
    // applying it changes the board as the sweep does.
    const std::optional<Step> step = NextStep(start);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(step->cell, c.placedCell);
    EXPECT_EQ(step->eliminations, c.placedCell >= 0 ? CandidateMasks{} : c.expected);
    if (c.placedCell < 0) EXPECT_EQ(step->pattern, c.pattern);
    CandidateBoard stepped = start, swept = start;
    EXPECT_TRUE(stepped.Apply(*step) && swept.Apply(c.technique));
    for (int cell = 0; cell < 81; ++cell) EXPECT_EQ(stepped.Candidates(cell), swept.Candidates(cell)) << cell;
    for (const Technique other : kAll) {
      CandidateBoard board = start;
      const bool progress = board.Apply(other);
      CandidateMasks removed;
      for (int cell = 0; cell < 81; ++cell)
        removed[static_cast<std::size_t>(cell)] = start.Candidates(cell) & ~board.Candidates(cell);
      Digits placed{};
      if (other == c.technique && c.placedCell >= 0) placed[static_cast<std::size_t>(c.placedCell)] = 5;
      EXPECT_EQ(progress, other == c.technique) << "technique " << static_cast<int>(other);
      EXPECT_EQ(removed, other == c.technique ? c.expected : CandidateMasks{}) << "technique " << static_cast<int>(other);
      EXPECT_EQ(board.Placed(), placed) << "technique " << static_cast<int>(other);
    }
  }
}

// The places of digit 5, row by row ('x' a place; a short row has none past its end).
Cells Map(std::initializer_list<const char*> rows) {
  Cells cells;
  int row = 0;
  for (const char* line : rows) {
    for (int column = 0; column < 9 && line[column] != '\0'; ++column)
      cells |= line[column] == 'x' ? At(row, column) : Cells();
    ++row;
  }
  return cells;
}
// Struck: every digit of `cells` but `digits`.
CandidateMasks Only(Cells cells, std::string_view digits) {
  std::string others;
  for (char d = '1'; d <= '9'; ++d)
    if (digits.find(d) == std::string_view::npos) others += d;
  return Strike(cells, others);
}

// The techniques beyond 達人's set, each on a position where every simpler
// one is stuck: the next step names it, removes exactly the textbook
// candidates and names the cells that make it.
TEST(LogicSolver, EachHarderTechniqueIsTheNextStepWithItsTextbookEliminations) {
  const Cells quad = At(0, 0) | At(0, 3) | At(0, 6) | At(0, 7);
  const Cells rectangle = At(0, 0) | At(0, 4) | At(1, 0);
  const struct {
    const char* name;
    Technique technique;
    CandidateMasks struck;
    CandidateMasks expected;
    Cells pattern;
  } cases[] = {
      {"naked quad", Technique::kNakedQuad,
       Only(At(0, 0), "12") | Only(At(0, 3), "23") | Only(At(0, 6), "34") | Only(At(0, 7), "14"),
       Strike(Row(0) & ~quad, "1234"), quad},
      {"hidden quad", Technique::kHiddenQuad, Strike(Row(0) & ~quad, "1234"), Strike(quad, "56789"), quad},
      {"swordfish", Technique::kSwordfish,
       Strike(~Map({"x..x.....", "xxxxxxxxx", "xxxxxxxxx", "...x..x..", "xxxxxxxxx", "xxxxxxxxx", "x.....x.."}) &
                  (Row(0) | Row(3) | Row(6)), "5"),
       Strike((Column(0) | Column(3) | Column(6)) & ~(Row(0) | Row(3) | Row(6)), "5"),
       Map({"x..x.....", "", "", "...x..x..", "", "", "x.....x.."})},
      {"jellyfish", Technique::kJellyfish,
       Strike((Row(0) | Row(3) | Row(6) | Row(7)) &
                  ~Map({".x.x.....", "", "", "x.....x..", "", "", "x..x.....", ".x....x.."}), "5"),
       Strike((Column(0) | Column(1) | Column(3) | Column(6)) & (Row(1) | Row(2) | Row(4) | Row(5) | Row(8)), "5"),
       Map({".x.x.....", "", "", "x.....x..", "", "", "x..x.....", ".x....x.."})},
      {"finned x-wing", Technique::kFinnedXWing,
       Strike((Row(1) | Row(4)) & ~Map({"", ".x.....x.", "", "", ".x.....xx"}), "5"), Strike(At(3, 7) | At(5, 7), "5"),
       Map({"", ".x.....x.", "", "", ".x.....x."})},
      {"finned swordfish", Technique::kFinnedSwordfish,
       Strike((Row(0) | Row(3) | Row(6)) & ~Map({"x...x....", "", "", "....x...x", "", "", "x......xx"}), "5"),
       Strike(At(7, 8) | At(8, 8), "5"), Map({"x...x....", "", "", "....x...x", "", "", "x.......x"})},
      {"skyscraper", Technique::kSkyscraper,
       Strike((Row(1) | Row(5)) & ~Map({"", ".x....x..", "", "", "", ".x.....x."}), "5"),
       Strike(At(0, 7) | At(2, 7) | At(3, 6) | At(4, 6), "5"), At(1, 6) | At(1, 1) | At(5, 1) | At(5, 7)},
      {"two-string kite", Technique::kTwoStringKite,
       Strike((Row(1) | Column(1)) & ~Map({".x.......", "..x....x.", "", "", "", "", ".x......."}), "5"),
       Strike(At(6, 7), "5"), At(1, 7) | At(1, 2) | At(0, 1) | At(6, 1)},
      // 5: row 0 at c4 c7, column 4 at r0 r6, box 7 at r6c4 r7c3, coloured in turn.
      {"simple colouring", Technique::kSimpleColouring,
       Strike((Row(0) | Column(4) | Box(7)) & ~(At(0, 4) | At(0, 7) | At(6, 4) | At(7, 3)), "5"), Strike(At(7, 7), "5"),
       At(0, 4) | At(7, 3)},
      // 5 in box 0 at r2c0 r0c2 only, r0c2 sees r0c6, column 6 at r0 r5 only.
      {"x-chain", Technique::kXChain, Strike((Box(0) | Column(6)) & ~(At(2, 0) | At(0, 2) | At(0, 6) | At(5, 6)), "5"),
       Strike(At(5, 0), "5"), At(2, 0) | At(0, 2) | At(0, 6) | At(5, 6)},
      {"xy-wing", Technique::kXYWing, Only(At(0, 0), "12") | Only(At(0, 4), "13") | Only(At(4, 0), "23"),
       Strike(At(4, 4), "3"), At(0, 4) | At(4, 0)},
      {"xyz-wing", Technique::kXYZWing, Only(At(0, 0), "123") | Only(At(0, 4), "13") | Only(At(1, 1), "23"),
       Strike(At(0, 1) | At(0, 2), "3"), At(0, 4) | At(1, 1)},
      {"w-wing", Technique::kWWing,
       Only(At(0, 0) | At(4, 4), "12") | Strike(Row(2) & ~(At(2, 1) | At(2, 4)), "1"), Strike(At(0, 4) | At(4, 0), "2"),
       At(0, 0) | At(2, 1) | At(2, 4) | At(4, 4)},
      {"xy-chain", Technique::kXYChain,
       Only(At(0, 0), "12") | Only(At(0, 4), "23") | Only(At(4, 4), "34") | Only(At(4, 1), "14"),
       Strike(At(3, 0) | At(4, 0) | At(5, 0) | At(0, 1) | At(1, 1) | At(2, 1), "1"),
       At(0, 0) | At(0, 4) | At(4, 4) | At(4, 1)},
      {"unique rectangle", Technique::kUniqueRectangle,
       Only(rectangle, "12") | Strike((Row(0) | Column(0) | Box(0)) & ~rectangle, "12"), Strike(At(1, 4), "12"),
       rectangle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CandidateMasks masks;
    for (std::size_t cell = 0; cell < 81; ++cell) masks[cell] = static_cast<uint16_t>(~c.struck[cell]);
    const CandidateBoard start = CandidateBoard::FromCandidates(masks);
    const std::optional<Step> step = NextStep(start, TechniqueSet::kAll);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(step->eliminations, c.expected);
    EXPECT_EQ(step->pattern, c.pattern);
    EXPECT_FALSE(NextStep(start, TechniqueSet::kFull).has_value());
    CandidateBoard swept = start;
    EXPECT_TRUE(swept.Apply(c.technique));
    for (int cell = 0; cell < 81; ++cell)
      EXPECT_EQ(start.Candidates(cell) & ~swept.Candidates(cell), c.expected[static_cast<std::size_t>(cell)]) << cell;
  }
}

TEST(LogicSolver, GivensThatContradictThemselvesNeverSolve) {
  const auto givens = [](const std::string& digits) {
    Digits board{};
    for (std::size_t i = 0; i < digits.size(); ++i) board[i] = static_cast<uint8_t>(digits[i] - '0');
    return board;
  };
  // A repeat in row 0; and no repeat, but 1..8 in row 0 and a 9 in its last box leave r0c8 nothing.
  for (const Digits& broken : {givens("11" + testing::kSolution.substr(2)), givens("123456780000000009")})
    EXPECT_TRUE(CandidateBoard(broken).Broken() && !SolvesByLogic(broken, TechniqueSet::kFull));
  EXPECT_TRUE(SolvesByLogic(givens(testing::kSolution), TechniqueSet::kSinglesOnly));
  EXPECT_FALSE(SolvesByLogic(Digits{}, TechniqueSet::kFull));  // nothing to go on, and no crash
  EXPECT_TRUE(CandidateBoard::FromCandidates(CandidateMasks{}).Broken());
}

TEST(LogicSolver, PlayersPositionTakesMarksWherePeersAllowThem) {
  Digits filled{};
  filled[0] = 1;  // r0c0 holds 1
  CandidateMasks marks{};
  marks[1] = 0b11;   // r0c1 marked 1 and 2: the 1 is ruled out
  marks[2] = 0b1;    // r0c2 marked only 1: ruled out whole, so every allowed digit
  const CandidateBoard board = CandidateBoard::FromPosition(filled, marks);
  EXPECT_EQ(board.Candidates(1), 0b10);
  EXPECT_EQ(board.Candidates(2), 0x1FE);
  EXPECT_EQ(board.Candidates(80), 0x1FF);
  filled[1] = 1;  // a clash
  EXPECT_TRUE(CandidateBoard::FromPosition(filled, marks).Broken());
}

// Sanitizer builds, many times slower, take a tenth of the seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kSeedShare = 10;
#else
constexpr uint64_t kSeedShare = 1;
#endif

bool Fits(const Digits& board, std::size_t cell, int digit) {
  const std::size_t row = cell / 9, column = cell % 9;
  for (std::size_t i = 0; i < 9; ++i)
    for (const std::size_t other : {row * 9 + i, i * 9 + column, (row / 3 * 3 + i / 3) * 9 + column / 3 * 3 + i % 3})
      if (other != cell && board[other] == digit) return false;
  return true;
}

// Solutions of the givens by a plain search of its own, not the game's
// counter, stopping at two.
int CountByHand(Digits& board) {
  std::size_t best = 81;
  int fewest = 10;
  for (std::size_t cell = 0; cell < 81; ++cell) {
    if (board[cell] != 0) continue;
    int fits = 0;
    for (int digit = 1; digit <= 9; ++digit) fits += Fits(board, cell, digit);
    if (fits < fewest) fewest = fits, best = cell;
  }
  if (best == 81) return 1;
  int found = 0;
  for (int digit = 1; digit <= 9 && found < 2; ++digit) {
    if (!Fits(board, best, digit)) continue;
    board[best] = static_cast<uint8_t>(digit);
    found += CountByHand(board);
    board[best] = 0;
  }
  return found;
}

// What every dealt puzzle owes: a complete solution, givens taken from it,
// and the open count of the level. One solution follows from the logic
// solver finishing it from the givens alone, as each level's test asks:
// every step it takes is forced (the tests above pin each technique).
void ExpectSoundPuzzle(const DealtPuzzle& puzzle, int openMin, int openMax, uint64_t seed) {
  for (std::size_t cell = 0; cell < 81; ++cell) {
    const uint8_t digit = puzzle.solution[cell], given = puzzle.givens[cell];
    ASSERT_TRUE(digit >= 1 && digit <= 9 && Fits(puzzle.solution, cell, digit) && (given == 0 || given == digit))
        << "seed " << seed << ", cell " << cell;
  }
  ASSERT_TRUE(OpenCount(puzzle.givens) >= openMin && OpenCount(puzzle.givens) <= openMax) << "seed " << seed;
}

TEST(UniqueDeal, SuperAdvancedHasOneSolutionAndFallsToSinglesAlone) {
  for (uint64_t seed = 1; seed <= 2000 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealSuperAdvanced(random);
    ExpectSoundPuzzle(puzzle, kSuperAdvancedOpenMin, kSuperAdvancedOpenMax, seed);
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kSinglesOnly)) << "seed " << seed;
  }
}

TEST(UniqueDeal, GrandMasterHasOneSolutionAndNeedsMoreThanMastersSet) {
  for (uint64_t seed = 1; seed <= 60 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = *DealUniquePuzzle(kGrandMasterLevel, random);
    ExpectSoundPuzzle(puzzle, kGrandMasterOpenMin, 81, seed);
    Digits board = puzzle.givens;
    ASSERT_EQ(CountByHand(board), 1) << "seed " << seed;
    ASSERT_FALSE(SolvesByLogic(puzzle.givens, TechniqueSet::kFull)) << "seed " << seed;
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kAll)) << "seed " << seed;
    const Grade grade = GradePuzzle(puzzle.givens);
    ASSERT_TRUE(grade.solved && grade.hardest > Technique::kXWing && grade.uses[static_cast<std::size_t>(grade.hardest)] > 0)
        << "seed " << seed;
  }
  GiveUp givenUp{true};
  SeededRandom random(1);
  EXPECT_FALSE(DealUniquePuzzle(kGrandMasterLevel, random, &givenUp).has_value());
}

TEST(UniqueDeal, MasterNeedsMoreThanSinglesAndIsMinimal) {
  for (uint64_t seed = 1; seed <= 600 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealMaster(random);
    ExpectSoundPuzzle(puzzle, kMasterOpenMin, 81, seed);
    ASSERT_FALSE(SolvesByLogic(puzzle.givens, TechniqueSet::kSinglesOnly)) << "seed " << seed;
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kFull)) << "seed " << seed;
    if (seed % 4 != 0) continue;
    // No given can open without the technique set losing the puzzle.
    for (std::size_t cell = 0; cell < 81; ++cell) {
      if (puzzle.givens[cell] == 0) continue;
      Digits opened = puzzle.givens;
      opened[cell] = 0;
      ASSERT_FALSE(SolvesByLogic(opened, TechniqueSet::kFull)) << "seed " << seed << ", cell " << cell;
    }
  }
}

// The whole set never strikes a digit of the solution nor places a wrong
// one, on minimal puzzles it had no hand in (tools/solver_survey runs 2,000).
TEST(LogicSolver, WholeSetKeepsTheSolutionOfRandomMinimalPuzzles) {
  int beyondMaster = 0;
  for (uint64_t seed = 1; seed <= 150 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealMinimal(random);
    CandidateBoard board(puzzle.givens);
    while (const std::optional<Step> step = NextStep(board, TechniqueSet::kAll)) {
      beyondMaster += step->technique > Technique::kXWing;
      if (step->Places()) ASSERT_EQ(step->digit, puzzle.solution[static_cast<std::size_t>(step->cell)]) << seed;
      for (std::size_t cell = 0; cell < 81; ++cell)
        ASSERT_EQ(step->eliminations[cell] >> (puzzle.solution[cell] - 1) & 1, 0) << "seed " << seed;
      board.Apply(*step);
    }
  }
  EXPECT_GT(beyondMaster, 0);  // the sweep reached the harder techniques at all
}

// Step by step from the givens, each step is sound, is the simplest there is
// (the sweep of every simpler technique is stuck, its own is not), and the
// steps solve the puzzle: the finders and the sweeps agree on every board.
TEST(LogicSolver, NextStepWalksADealToItsSolutionSimplestFirst) {
  for (uint64_t seed = 1; seed <= 40 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealMaster(random);
    CandidateBoard board(puzzle.givens);
    while (const std::optional<Step> step = NextStep(board)) {
      for (int t = 0; t <= static_cast<int>(step->technique); ++t) {
        CandidateBoard swept = board;
        ASSERT_EQ(swept.Apply(static_cast<Technique>(t)), t == static_cast<int>(step->technique)) << seed << " " << t;
      }
      for (std::size_t cell = 0; cell < 81; ++cell) {
        const auto bit = static_cast<uint16_t>(1u << (puzzle.solution[cell] - 1));
        ASSERT_EQ(step->eliminations[cell] & bit, 0) << "seed " << seed;
      }
      if (step->Places()) ASSERT_EQ(step->digit, puzzle.solution[static_cast<std::size_t>(step->cell)]);
      ASSERT_TRUE(board.Apply(*step));
    }
    ASSERT_TRUE(board.Solved()) << "seed " << seed;
  }
}

}  // namespace
}  // namespace lumitile
