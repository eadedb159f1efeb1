// 次の一手 in words: one short sentence naming the technique and its reason,
// built from the structured step, for the band over the board and for
// screen readers.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/next_step.h"

namespace lumitile {

class StepText {
  Q_DECLARE_TR_FUNCTIONS(StepText)

 public:
  // A cell in reading order (row * 9 + column) as the game names it: 3行5列.
  static QString CellName(int cell);
  // The technique's name, the one the game uses everywhere; subsetSize
  // tells a pair (2) from a triple (3) where the technique has both, and
  // any other value names both (a grade, which counts them together).
  static QString TechniqueName(Technique technique, int subsetSize = 2);
  // hintsLeft: a hint token is still there to offer when the techniques run out.
  static QString Sentence(const NextStepHelp& help, bool hintsLeft);
};

}  // namespace lumitile
