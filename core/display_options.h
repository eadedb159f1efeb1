// How the player likes the window shown: the zoom, the clash marks and the
// solving aids (the highlight and the mistakes). They
// live under [Options] in the settings file, each key written only once the
// player changes it, so a first run leaves the file as earlier releases
// wrote it.
#pragma once

#include "core/records/profile.h"

namespace lumitile {

enum class DisplayOption { Zoom, ShowDuplicates, Highlight, ShowMistakes };

class DisplayOptions {
 public:
  // Read at start-up and never written back; a value out of range reads as
  // the default.
  void Load(const IniFile& file);
  // False, changing nothing, for the value already set or a zoom that is
  // not one of kZoomPercents.
  bool SetZoom(int percent);
  bool SetShowDuplicates(bool on);
  bool SetHighlight(bool on);
  bool SetShowMistakes(bool on);
  // Writes one option's current value.
  void Save(IniFile& file, DisplayOption which) const;

  int Zoom() const { return zoom_; }
  bool ShowDuplicates() const { return showDuplicates_; }
  bool Highlight() const { return highlight_; }
  bool ShowMistakes() const { return showMistakes_; }

 private:
  int zoom_ = 100;
  bool showDuplicates_ = false;
  bool highlight_ = false;
  bool showMistakes_ = false;
};

}  // namespace lumitile
