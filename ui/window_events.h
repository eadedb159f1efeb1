// What the game asks of the windows, and the windows beside the main window
// that the menus open. The main window and the game reach the side windows
// only through SideWindows, so they can be tested with a stand-in.
#pragma once

#include <cstdint>

#include "ui/sound_player.h"
#include "core/game_controller.h"

namespace lumitile {

class SideWindows {
 public:
  virtual ~SideWindows() = default;
  virtual void ShowRecordEntry() = 0;
  virtual void ShowBestTimes() = 0;
  // Asks first; true when the table was cleared.
  virtual bool AskAndClearBestTimes() = 0;
  virtual void ShowHelp() = 0;
  virtual void ShowAbout() = 0;
};

// The game's requests carried out: sounds through the player, a broken record
// by opening the name entry. The side windows are made after the controller,
// so they are attached later; until then a record only waits in the game.
class WindowEvents final : public GameEvents {
 public:
  explicit WindowEvents(SoundPlayer& sounds) : sounds_(sounds) {}
  void SetSideWindows(SideWindows* side) { side_ = side; }

  void PlaySound(Sound sound) override { sounds_.Play(sound); }
  void RecordBroken(int32_t) override {
    if (side_) side_->ShowRecordEntry();
  }

 private:
  SoundPlayer& sounds_;
  SideWindows* side_ = nullptr;
};

}  // namespace lumitile
