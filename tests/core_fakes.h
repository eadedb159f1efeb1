// Stand-ins for the parts the game controller is given: a clock moved by
// hand, a settings file kept in memory, and a record of what the game asked
// the windows to do.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/game_controller.h"
#include "core/tick_source.h"
#include "core/records/profile.h"

namespace lumitile::testing {

struct FakeTicks : TickSource {
  int64_t now = 1'000'000;
  int64_t NowMs() override { return now; }
  void AdvanceSeconds(double seconds) { now += static_cast<int64_t>(seconds * 1000); }
};

// Keys are kept as written; the real file matches ASCII names without regard
// to case, which the game never relies on.
struct MemoryProfile : Profile {
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::string> writes;  // "section/key=value", in order
  bool failWrites = false;

  int32_t ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) override {
    auto it = values.find({std::string(section), std::string(key)});
    if (it == values.end()) return fallback;
    // Leading digits, as the real file reads them; 0 when there are none.
    const long long value = std::strtoll(it->second.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
  }
  std::string ReadIniString(std::string_view section, std::string_view key,
                            std::string_view fallback) override {
    auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? std::string(fallback) : it->second;
  }
  int32_t WriteIniString(std::string_view section, std::string_view key,
                         std::string_view value) override {
    if (failWrites) return 0;
    values[{std::string(section), std::string(key)}] = std::string(value);
    writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    return -1;
  }
  std::string Get(const std::string& section, const std::string& key) const {
    auto it = values.find({section, key});
    return it == values.end() ? "<missing>" : it->second;
  }
};

struct RecordingEvents : GameEvents {
  std::vector<Sound> sounds;
  std::vector<int32_t> records;
  void PlaySound(Sound sound) override { sounds.push_back(sound); }
  void RecordBroken(int32_t seconds) override { records.push_back(seconds); }
};

}  // namespace lumitile::testing
