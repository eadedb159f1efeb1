#include "core/display_options.h"

#include <string>

#include "core/game_types.h"

namespace lumitile {
namespace {

constexpr std::string_view kOptionsSection = "Options";
constexpr std::string_view kZoomKey = "Zoom";
constexpr std::string_view kShowDuplicatesKey = "ShowDuplicates";
constexpr std::string_view kHighlightKey = "Highlight";
constexpr std::string_view kShowMistakesKey = "ShowMistakes";

// A switch is on only as 1; anything else reads as off.
bool SwitchOn(const IniFile& file, std::string_view key) { return ReadIniInt(file, kOptionsSection, key, 0) == 1; }
void WriteSwitch(IniFile& file, std::string_view key, bool on) { WriteIniString(file, kOptionsSection, key, on ? "1" : "0"); }

}  // namespace

void DisplayOptions::Load(const IniFile& file) {
  const int32_t zoom = ReadIniInt(file, kOptionsSection, kZoomKey, 100);
  zoom_ = IsZoomPercent(zoom) ? zoom : 100;
  showDuplicates_ = SwitchOn(file, kShowDuplicatesKey);
  highlight_ = SwitchOn(file, kHighlightKey);
  showMistakes_ = SwitchOn(file, kShowMistakesKey);
}

bool DisplayOptions::SetZoom(int percent) {
  if (!IsZoomPercent(percent) || percent == zoom_) return false;
  zoom_ = percent;
  return true;
}

namespace {

bool Switch(bool& option, bool on) {
  if (on == option) return false;
  option = on;
  return true;
}

}  // namespace

bool DisplayOptions::SetShowDuplicates(bool on) { return Switch(showDuplicates_, on); }
bool DisplayOptions::SetHighlight(bool on) { return Switch(highlight_, on); }
bool DisplayOptions::SetShowMistakes(bool on) { return Switch(showMistakes_, on); }

void DisplayOptions::Save(IniFile& file, DisplayOption which) const {
  switch (which) {
    case DisplayOption::Zoom: WriteIniString(file, kOptionsSection, kZoomKey, std::to_string(zoom_)); break;
    case DisplayOption::ShowDuplicates: WriteSwitch(file, kShowDuplicatesKey, showDuplicates_); break;
    case DisplayOption::Highlight: WriteSwitch(file, kHighlightKey, highlight_); break;
    case DisplayOption::ShowMistakes: WriteSwitch(file, kShowMistakesKey, showMistakes_); break;
  }
}

}  // namespace lumitile
