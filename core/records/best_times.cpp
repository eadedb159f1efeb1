#include "core/records/best_times.h"

#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

constexpr std::string_view kRecordSection = "ハイスコア";
constexpr std::string_view kLevelSection = "レベル";
constexpr std::string_view kLevelKey = "値";

struct LevelKeys {
  std::string_view time;
  std::string_view name;
};

constexpr std::array<LevelKeys, kLevelCount> kLevelKeys{{
    {"初級", "初級名前"},
    {"中級", "中級名前"},
    {"上級", "上級名前"},
    {"超上級", "超上級名前"},
    {"達人", "達人名前"},
    {"名人", "名人名前"},
}};

// The levels every file has held since the first release.
constexpr std::size_t kFirstLevels = kFirstAddedLevel;

// A missing key reads as whichever fallback is asked for; a present one does not.
bool FileHolds(const IniFile& file, std::string_view key) {
  return ReadIniString(file, kRecordSection, key, "0") == ReadIniString(file, kRecordSection, key, "1");
}

// A time the level's clock could never show is none. The added levels once
// shared the first three's cap, and a cleared table wrote them 999 held by
// nobody; that stays no record now that their clock goes past 999.
int32_t UsableTime(std::size_t level, int32_t stored, std::string_view name) {
  const int asLevel = static_cast<int>(level);
  const bool oldClearedRow = CountsMinutes(asLevel) && stored == kMaxShownSeconds && TrimBlanks(name) == kNoName;
  return stored >= 0 && stored <= NoRecord(asLevel) && !oldClearedRow ? stored : NoRecord(asLevel);
}

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

BestTimes EmptyBestTimes() {
  BestTimes times;
  for (std::size_t level = 0; level < times.size(); ++level)
    times[level] = {NoRecord(static_cast<int>(level)), FitName(kNoName)};
  return times;
}

BestTimes LoadBestTimes(const IniFile& file) {
  BestTimes times;
  for (std::size_t level = 0; level < times.size(); ++level) {
    const LevelKeys& keys = kLevelKeys[level];
    std::string name = FitName(ReadIniString(file, kRecordSection, keys.name, kNoName));
    const int32_t seconds = ReadIniInt(file, kRecordSection, keys.time, NoRecord(static_cast<int>(level)));
    times[level] = {UsableTime(level, seconds, name), std::move(name)};
  }
  return times;
}

int LoadLevel(const IniFile& file) {
  const int32_t stored = ReadIniInt(file, kLevelSection, kLevelKey, 0);
  return stored >= 0 && stored < kLevelCount ? stored : 0;
}

void SaveBestTime(IniFile& file, int level, const BestTimeRow& row) {
  const LevelKeys& keys = kLevelKeys[static_cast<std::size_t>(level)];
  WriteIniString(file, kRecordSection, keys.time, std::to_string(row.Seconds));
  WriteIniString(file, kRecordSection, keys.name, row.Name);
}

void SaveBestTimes(IniFile& file, const BestTimes& times) {
  const BestTimes none = EmptyBestTimes();
  for (std::size_t level = 0; level < times.size(); ++level) {
    // A level added after the first three keeps its keys out of the file
    // until it holds a record or the file already has them, so a file that
    // never saw those levels is written as it always was.
    if (level >= kFirstLevels && times[level] == none[level] && !FileHolds(file, kLevelKeys[level].time) &&
        !FileHolds(file, kLevelKeys[level].name)) {
      continue;
    }
    SaveBestTime(file, static_cast<int>(level), times[level]);
  }
}

void SaveLevel(IniFile& file, int level) {
  WriteIniString(file, kLevelSection, kLevelKey, std::to_string(level));
}

}  // namespace lumitile
