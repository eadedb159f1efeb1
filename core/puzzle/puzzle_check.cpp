#include "core/puzzle/puzzle_check.h"

#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

PuzzleGrade GradeByLogic(const Digits& givens) {
  if (SolvesByLogic(givens, TechniqueSet::kSinglesOnly)) return {kSuperAdvancedLevel};
  if (SolvesByLogic(givens, TechniqueSet::kFull)) return {kMasterLevel};
  return {};
}

PuzzleVerdict CheckPuzzle(const Digits& givens) {
  PuzzleVerdict verdict;
  verdict.Clash = FirstClash(givens);
  if (verdict.Clash) return verdict;
  const int count = CountSolutions(givens, 2, &verdict.Solution);
  verdict.Solutions = count == 0 ? SolutionCount::kNone : count == 1 ? SolutionCount::kOne : SolutionCount::kSeveral;
  if (count == 0) verdict.Solution = {};
  if (count == 1) verdict.Grade = GradeByLogic(givens);
  return verdict;
}

}  // namespace lumitile
