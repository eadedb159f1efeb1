#include "core/display_options.h"

#include <string>

#include "core/game_types.h"

namespace lumitile {
namespace {

constexpr std::string_view kOptionsSection = "Options";
constexpr std::string_view kZoomKey = "Zoom";
constexpr std::string_view kShowDuplicatesKey = "ShowDuplicates";

}  // namespace

void DisplayOptions::Load(const IniFile& file) {
  const int32_t zoom = ReadIniInt(file, kOptionsSection, kZoomKey, 100);
  zoom_ = IsZoomPercent(zoom) ? zoom : 100;
  showDuplicates_ = ReadIniInt(file, kOptionsSection, kShowDuplicatesKey, 0) == 1;
}

bool DisplayOptions::SetZoom(int percent) {
  if (!IsZoomPercent(percent) || percent == zoom_) return false;
  zoom_ = percent;
  return true;
}

bool DisplayOptions::SetShowDuplicates(bool on) {
  if (on == showDuplicates_) return false;
  showDuplicates_ = on;
  return true;
}

void DisplayOptions::Save(IniFile& file, DisplayOption which) const {
  switch (which) {
    case DisplayOption::Zoom: WriteIniString(file, kOptionsSection, kZoomKey, std::to_string(zoom_)); break;
    case DisplayOption::ShowDuplicates:
      WriteIniString(file, kOptionsSection, kShowDuplicatesKey, showDuplicates_ ? "1" : "0");
      break;
  }
}

}  // namespace lumitile
