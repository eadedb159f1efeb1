// How the windows make the game's sounds heard. The game passes a player
// that plays the wave files through the desktop's sound service, tests pass
// one that only notes what was asked.
#pragma once

#include "core/game_types.h"

namespace lumitile {

// The sound's file, without a path.
inline const char* SoundFileName(Sound sound) { return sound == Sound::Pick ? "np1.wav" : "np2.wav"; }

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts the sound and returns at once; a sound that cannot be played is
  // simply not heard.
  virtual void Play(Sound sound) = 0;
};

}  // namespace lumitile
