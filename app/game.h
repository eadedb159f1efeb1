// The one place a game is put together: the session over its random source,
// clock and settings file, the pictures, the windows and the sounds. The
// game itself, the benchmarks and the view tests all build it here, each
// with its own parts.
#pragma once

#include <filesystem>
#include <vector>

#include "core/game_session.h"
#include "ui/images.h"
#include "ui/main_window.h"
#include "ui/question.h"

namespace lumitile {

class Profile;
class RandomSource;
class SoundPlayer;
class TickSource;

struct GameParts {
  RandomSource& Random;
  TickSource& Ticks;
  Profile& Settings;
  SoundPlayer& Sounds;
  std::vector<std::filesystem::path> DataFolders;  // where the sounds and help are looked for
  Ask Asker = AskInMessageBox;
  qreal DevicePixelRatio = 1.0;
};

class Game {
 public:
  // Reads the settings file (and writes its defaults back) before the
  // window is made, so the window opens at the stored level.
  explicit Game(GameParts parts);

  // Centres and shows the main window, tells what start-up could not save,
  // and deals the first game.
  void Show();

  GameSession& Session() { return session_; }
  MainWindow& Window() { return window_; }
  const Images& Pictures() const { return images_; }

 private:
  GameSession session_;
  Outcome started_;
  Images images_;
  MainWindow window_;
};

}  // namespace lumitile
