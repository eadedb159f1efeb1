// The check every puzzle from outside the game goes through before it is
// played, whether pasted, typed in on the board or named on the command
// line: no clash among the givens, how many solutions it has, and for a
// puzzle with exactly one, how hard the logic grader finds it.
#pragma once

#include <optional>

#include "core/puzzle/logic_solver.h"
#include "core/puzzle/puzzle_text.h"

namespace lumitile {

enum class SolutionCount : uint8_t { kNone, kOne, kSeveral };

// Where the logic grader places a puzzle with one solution: the hardest
// technique it needs and the level whose technique set holds it (超上級 the
// singles, 達人 up to the X-wing, 名人 the rest); nothing when logic alone
// cannot finish it.
struct PuzzleGrade {
  std::optional<int> Level;
  std::optional<Technique> Hardest;
  bool operator==(const PuzzleGrade&) const = default;
};

struct PuzzleVerdict {
  std::optional<GivenClash> Clash;  // givens that clash have no solution
  SolutionCount Solutions = SolutionCount::kNone;
  Digits Solution{};  // one filling of the givens (the only one when unique); all 0 when none
  PuzzleGrade Grade;  // for a puzzle with one solution only
  int Open = 0;       // open cells: none leaves nothing to play
};

PuzzleGrade GradeByLogic(const Digits& givens);

PuzzleVerdict CheckPuzzle(const Digits& givens);

}  // namespace lumitile
