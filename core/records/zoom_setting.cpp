#include "core/records/zoom_setting.h"

#include <algorithm>
#include <string>

#include "core/game_types.h"

namespace lumitile {
namespace {

constexpr std::string_view kOptionsSection = "Options";
constexpr std::string_view kZoomKey = "Zoom";

}  // namespace

int LoadZoom(const IniFile& file) {
  const int32_t stored = ReadIniInt(file, kOptionsSection, kZoomKey, 100);
  return IsZoomPercent(stored) ? stored : 100;
}

void SaveZoom(IniFile& file, int percent) { WriteIniString(file, kOptionsSection, kZoomKey, std::to_string(percent)); }

}  // namespace lumitile
