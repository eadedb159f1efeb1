#include "core/records/zoom_setting.h"

#include <algorithm>
#include <string>

#include "core/game_types.h"

namespace lumitile {
namespace {

constexpr std::string_view kOptionsSection = "Options";
constexpr std::string_view kZoomKey = "Zoom";

}  // namespace

int LoadZoom(Profile& profile) {
  const int32_t stored = profile.ReadIniInt(kOptionsSection, kZoomKey, 100);
  return IsZoomPercent(stored) ? stored : 100;
}

Setting ZoomSetting(int percent) { return {kOptionsSection, kZoomKey, std::to_string(percent)}; }

}  // namespace lumitile
