#include "core/records/best_times.h"

#include <array>

#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

constexpr std::string_view kRecordSection = "ハイスコア";
constexpr std::string_view kLevelSection = "レベル";
constexpr std::string_view kLevelKey = "値";
constexpr std::string_view kNoName = "名前なし";

struct LevelKeys {
  std::string_view time;
  std::string_view name;
};

constexpr std::array<LevelKeys, kLevelCount> kLevelKeys{{
    {"初級", "初級名前"},
    {"中級", "中級名前"},
    {"上級", "上級名前"},
}};

// A time the clock could never show is a damaged record, not a record.
int32_t UsableTime(int32_t stored) { return stored >= 0 && stored <= kNoRecord ? stored : kNoRecord; }

bool Written(int32_t result) { return result != 0; }

}  // namespace

std::string FitName(std::string_view utf8) {
  std::string name;
  int characters = 0;
  for (std::size_t pos = 0; pos < utf8.size() && characters < kNameLength; ++characters) {
    const DecodedCharacter character = DecodeUtf8At(utf8, pos);
    AppendUtf8(name, IsControlCharacter(character.codePoint) ? U' ' : character.codePoint);
    pos += character.length;
  }
  name.append(static_cast<std::size_t>(kNameLength - characters), ' ');
  return name;
}

void LoadBestTimes(GameState& state, Profile& profile) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelKeys& keys = kLevelKeys[level];
    state.BestTimes[level] = UsableTime(profile.ReadIniInt(kRecordSection, keys.time, kNoRecord));
    state.BestNames[level] = FitName(profile.ReadIniString(kRecordSection, keys.name, kNoName));
  }
}

bool SaveBestTimes(const GameState& state, Profile& profile) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelKeys& keys = kLevelKeys[level];
    if (!Written(profile.WriteIniString(kRecordSection, keys.time,
                                        std::to_string(state.BestTimes[level]))) ||
        !Written(profile.WriteIniString(kRecordSection, keys.name, state.BestNames[level]))) {
      return false;
    }
  }
  return true;
}

void ResetBestTimes(GameState& state) {
  for (int level = 0; level < kLevelCount; ++level) {
    state.BestTimes[level] = kNoRecord;
    state.BestNames[level] = FitName(kNoName);
  }
}

int16_t LoadLevel(GameState& state, Profile& profile) {
  const int32_t stored = profile.ReadIniInt(kLevelSection, kLevelKey, 0);
  // Start-up writes the level back, so a damaged value is mended on disk too.
  state.CurrentLevel = stored >= 0 && stored < kLevelCount ? static_cast<int16_t>(stored) : int16_t{0};
  return state.CurrentLevel;
}

bool SaveLevel(Profile& profile, int16_t level) {
  return Written(profile.WriteIniString(kLevelSection, kLevelKey, std::to_string(level)));
}

}  // namespace lumitile
