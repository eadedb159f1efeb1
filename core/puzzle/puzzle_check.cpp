#include "core/puzzle/puzzle_check.h"

#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

PuzzleGrade GradeByLogic(const Digits& givens) {
  // Graded only once the puzzle is known to have one solution, which the
  // unique rectangle of the whole set takes for granted.
  const Grade grade = GradePuzzle(givens, TechniqueSet::kAll);
  if (!grade.solved) return {};
  const int level = grade.hardest <= Technique::kHiddenSingle ? kSuperAdvancedLevel
                    : grade.hardest <= Technique::kXWing      ? kMasterLevel
                                                              : kGrandMasterLevel;
  return {level, grade.hardest};
}

PuzzleVerdict CheckPuzzle(const Digits& givens) {
  PuzzleVerdict verdict;
  verdict.Open = OpenCount(givens);
  verdict.Clash = FirstClash(givens);
  if (verdict.Clash) return verdict;
  const int count = CountSolutions(givens, 2, &verdict.Solution);
  verdict.Solutions = count == 0 ? SolutionCount::kNone : count == 1 ? SolutionCount::kOne : SolutionCount::kSeveral;
  if (count == 0) verdict.Solution = {};
  if (count == 1) verdict.Grade = GradeByLogic(givens);
  return verdict;
}

}  // namespace lumitile
