// What the player is told when the settings file could not take a change:
// what was not kept, and why, in the game's Japanese. The window adds the
// file's path in its own decoding of file names.
#pragma once

#include <string>

#include "core/records/file_store.h"

namespace lumitile {

enum class Keeping { kSettings, kLevel, kRecord, kClearedTable, kOptions };

struct CannotSave {
  Keeping What;
  FileFailure Failure;
  bool operator==(const CannotSave&) const = default;
};

// Two lines: what could not be saved, and the reason.
std::string CannotSaveText(const CannotSave& trouble);

}  // namespace lumitile
