// Why a change of the settings file could not be kept: what was being kept,
// and the step that failed. The view words it for the player.
#pragma once

#include "core/records/file_store.h"

namespace lumitile {

enum class Keeping { kSettings, kLevel, kRecord, kClearedTable, kOptions };

struct CannotSave {
  Keeping What;
  FileFailure Failure;
  bool operator==(const CannotSave&) const = default;
};

}  // namespace lumitile
