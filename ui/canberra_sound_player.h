// The game's sounds through libcanberra, which hands them to the desktop's
// sound server (PulseAudio or PipeWire) or, failing that, to ALSA.
//
// Everything that talks to the server runs on a thread of the player's own:
// opening the output, uploading both files to the server's sample cache, and
// every play request. A server that accepts a connection and then never
// answers therefore costs the game nothing but silence; the window never
// waits for it. A missing file, no sound server or no sound device leaves the
// game silent and otherwise unchanged.
#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/sound_player.h"

namespace lumitile {

class CanberraSoundPlayer final : public SoundPlayer {
 public:
  enum class Output { kOpening, kOpen, kSilent };

  // folders: where to look for the sound files, in order (see DataFolders).
  // Returns at once; the output opens on the player's thread.
  explicit CanberraSoundPlayer(const std::vector<std::filesystem::path>& folders);
  // Waits a moment for the player's thread, and leaves it behind when the
  // server holds it up.
  ~CanberraSoundPlayer() override;
  CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
  CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

  // Hands the sound to the player's thread and returns. A new sound cuts off
  // the one still playing, as one speaker would; of sounds asked for while the
  // thread is busy with the server only the last is played. Until the output
  // is open nothing is heard: a sound played late would belong to nothing.
  void Play(Sound sound) override;

  Output State() const;
  // Whether Play can be heard now: the output is open and the file was found.
  bool CanPlay(Sound sound) const;
  // Waits until the output is open or known to be silent, at most limit;
  // for tests, which need to know before they listen.
  Output WaitWhileOpening(std::chrono::milliseconds limit) const;

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};

}  // namespace lumitile
