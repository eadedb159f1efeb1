// What the player is told about a puzzle brought in from outside: where
// its text went wrong, what the check found, and the kind of game on the
// board for the window's title. Worded here under the one context
// "lumitile::PuzzleWords" the translators see; the core gives the facts.
#pragma once

#include <QString>
#include <string_view>

#include "core/game_types.h"
#include "core/puzzle/puzzle_check.h"
#include "ui/question.h"

namespace lumitile {

// The refusal of a text that is no puzzle, with the line and column.
Question PuzzleTextNotice(const PuzzleTextError& error, std::string_view text);

// True when the check lets the puzzle be played (after the question, when
// it has several solutions).
bool Playable(const PuzzleVerdict& verdict);
// The check's result: a refusal (clash, no solution), the question put
// before a puzzle with several solutions, or the grade of a unique one.
Question PuzzleVerdictQuestion(const PuzzleVerdict& verdict);

// "Lumitile", or with the kind of game when it is not a dealt one.
QString WindowTitleFor(GameKind kind, bool entering);

}  // namespace lumitile
