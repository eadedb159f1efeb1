// The best-time table and the chosen level as the settings file keeps them.
// The section and key names are the ones the game has always used, so files
// from earlier releases keep their records.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_types.h"
#include "core/records/profile.h"

namespace lumitile {

// One row per level: beginner, intermediate, advanced, super-advanced, master.
using BestTimes = std::array<BestTimeRow, kLevelCount>;

// Exactly kNameLength characters: longer names are cut, shorter ones padded
// with spaces, control characters become spaces and broken UTF-8 becomes U+FFFD.
std::string FitName(std::string_view utf8);

// Three rows of "no record" held by kNoName.
BestTimes EmptyBestTimes();

// A time the clock could never show loads as no record.
BestTimes LoadBestTimes(Profile& profile);
// The stored level, beginner when it names no level.
int LoadLevel(Profile& profile);

// The values that store the table, and the level, for Profile::Change. A
// level added after the first three keeps its keys out of the file until
// it holds a record or the file already has them, so a file that never saw
// those levels is written as it always was.
std::vector<Setting> BestTimeSettings(const BestTimes& times, Profile& file);
Setting LevelSetting(int level);

}  // namespace lumitile
