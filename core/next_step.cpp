#include "core/next_step.h"

#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

CandidateBoard PlayerPosition(const Board& board) {
  Digits filled{};
  CandidateMasks marks{};
  for (int i = 0; i < 81; ++i) {
    const Cell cell{i / kBoardSize, i % kBoardSize};
    filled[static_cast<std::size_t>(i)] = static_cast<uint8_t>(ViewOf(board, cell).Number);
    // The board keeps mark n as bit n, the solver digit d as bit d - 1.
    const auto candidates = static_cast<uint16_t>(board.MarksAt(cell) >> 1);
    const int answer = board.SolutionAt(cell);
    const bool holdsAnswer = answer >= 1 && answer <= 9 && (candidates & (1u << (answer - 1)));
    if (holdsAnswer) marks[static_cast<std::size_t>(i)] = candidates;
  }
  return CandidateBoard::FromPosition(filled, marks);
}

NextStepHelp NextStepOn(const Board& board, const CellSet& wrongPanels, bool oneSolution) {
  for (int i = 0; i < 81; ++i) {
    if (wrongPanels[static_cast<std::size_t>(i)]) {
      NextStepHelp wrong;
      wrong.What = NextStepHelp::Kind::WrongPanel;
      wrong.Wrong = {i / kBoardSize, i % kBoardSize};
      return wrong;
    }
  }
  NextStepHelp help;
  // Where the givens allow several solutions, panels each right in one of
  // them may still rule all of them out together; no deduction is true then.
  if (!oneSolution) {
    Digits filled{};
    for (int i = 0; i < 81; ++i) {
      filled[static_cast<std::size_t>(i)] = static_cast<uint8_t>(ViewOf(board, {i / kBoardSize, i % kBoardSize}).Number);
    }
    if (CountSolutions(filled, 1) == 0) {
      help.What = NextStepHelp::Kind::PanelsDisagree;
      return help;
    }
  }
  const TechniqueSet set = oneSolution ? TechniqueSet::kAll : TechniqueSet::kAllButUniqueness;
  if (const auto step = NextStep(PlayerPosition(board), set)) {
    help.What = NextStepHelp::Kind::Deduction;
    help.Found = *step;
  }
  return help;
}

}  // namespace lumitile
