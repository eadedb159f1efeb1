// What the player is told when the settings file could not take a change,
// or the game in progress could not be kept: what was not kept, and why, in
// the player's language. Every message the notice can hold is worded here,
// under the one context "lumitile::CannotSave" the translators see.
#pragma once

#include <QString>

#include "core/records/cannot_save.h"

namespace lumitile {

// Two lines: what could not be saved, and the reason. The window adds the
// file's path in its own decoding of file names.
QString CannotSaveText(const CannotSave& trouble);

}  // namespace lumitile
