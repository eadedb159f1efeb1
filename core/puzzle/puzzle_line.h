// A puzzle as the one line of 81 characters that puzzle sites and solvers
// read: the givens in reading order, '.' for an open cell.
#pragma once

#include <string>

#include "core/puzzle/logic_solver.h"

namespace lumitile {

std::string PuzzleLine(const Digits& givens);

}  // namespace lumitile
