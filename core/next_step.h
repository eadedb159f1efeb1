// 次の一手: the simplest deduction the logic solver finds on the board as the
// player has it, or why there is none to tell. It places nothing; the player
// reads it and plays.
#pragma once

#include "core/board.h"
#include "core/puzzle/step.h"

namespace lumitile {

struct NextStepHelp {
  enum class Kind {
    Deduction,        // Found is the step
    WrongPanel,       // Wrong is a panel to take back before any deduction
    PanelsDisagree,   // each panel is right in some solution, but together they leave none
    OutOfTechniques,  // the solver's techniques find nothing more
  };
  Kind What = Kind::OutOfTechniques;
  Step Found{};
  Cell Wrong{};
};

// The position as the solver sees it: the givens and the player's panels
// placed; each open cell's marks as its candidates where they still hold
// the cell's number in the solution, since marks that struck the answer out
// would lead to deductions that are not true; every number its peers allow
// elsewhere.
CandidateBoard PlayerPosition(const Board& board);

// wrongPanels: the panels judged wrong (GamePlay::Mistakes); the first in
// reading order is told before anything else. oneSolution: the givens admit
// one solution only, so the techniques that rest on that may be used.
NextStepHelp NextStepOn(const Board& board, const CellSet& wrongPanels, bool oneSolution);

}  // namespace lumitile
