// The best-time table and the chosen level as the settings file keeps them.
// The section and key names are the ones the game has always used, so files
// from earlier releases keep their records.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/game_types.h"
#include "core/records/profile.h"

namespace lumitile {

// One row per level: beginner, intermediate, advanced, super-advanced, master, grandmaster.
using BestTimes = std::array<BestTimeRow, kLevelCount>;

// Exactly kNameLength characters: longer names are cut, shorter ones padded
// with spaces, control characters become spaces and broken UTF-8 becomes U+FFFD.
std::string FitName(std::string_view utf8);

// Every level's row empty: no record, held by kNoName.
BestTimes EmptyBestTimes();

// The table as the file holds it; a time the level's clock could never
// show, one that is no number, or 999 held by 名前なし at an added level (a
// table cleared before their clock counted minutes) loads as no record.
BestTimes LoadBestTimes(const IniFile& file);
// The stored level, beginner when it names no level.
int LoadLevel(const IniFile& file);

// Sets the time and name of one level, or of every level, and the level. A
// level added after the first three keeps its keys out of the file until it
// holds a record or the file already has them, so a file that never saw
// those levels is written as it always was.
void SaveBestTime(IniFile& file, int level, const BestTimeRow& row);
void SaveBestTimes(IniFile& file, const BestTimes& times);
void SaveLevel(IniFile& file, int level);

}  // namespace lumitile
