// What the player is told when the settings file could not take a change,
// or the game in progress could not be kept: what was not kept, and why, in
// the game's Japanese.
#pragma once

#include <string>

#include "core/records/cannot_save.h"

namespace lumitile {

// Two lines: what could not be saved, and the reason. The window adds the
// file's path in its own decoding of file names.
std::string CannotSaveText(const CannotSave& trouble);

}  // namespace lumitile
