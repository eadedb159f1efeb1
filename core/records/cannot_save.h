// Why a change of the settings file, or the game in progress, could not be
// kept: what was being kept, and the step that failed. The view words it for
// the player.
#pragma once

#include "core/records/file_store.h"

namespace lumitile {

// kGame is the game in progress in its own file; the others are the settings file's.
enum class Keeping { kSettings, kLevel, kRecord, kClearedTable, kOptions, kGame };

struct CannotSave {
  Keeping What;
  FileFailure Failure;
  bool operator==(const CannotSave&) const = default;
};

}  // namespace lumitile
