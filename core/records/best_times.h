// The best-time table and the chosen level as the settings file keeps them.
// The section and key names are the ones the game has always used, so files
// from earlier releases keep their records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/records/profile.h"

namespace lumitile {

// Exactly kNameLength characters: longer names are cut, shorter ones padded
// with spaces, control characters become spaces and broken UTF-8 becomes U+FFFD.
std::string FitName(std::string_view utf8);

void LoadBestTimes(GameState& state, Profile& profile);
// Writes all three levels; false as soon as one write fails.
bool SaveBestTimes(const GameState& state, Profile& profile);
void ResetBestTimes(GameState& state);

// Sets CurrentLevel from the file, beginner when the stored level is unusable.
int16_t LoadLevel(GameState& state, Profile& profile);
bool SaveLevel(Profile& profile, int16_t level);

}  // namespace lumitile
