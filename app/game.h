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

class KeptGameFile;
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
  // Where the game in progress waits between runs; none keeps nothing.
  KeptGameFile* Kept = nullptr;
};

class Game {
 public:
  // Reads the settings file (and writes its defaults back) before the
  // window is made, so the window opens at the stored level.
  explicit Game(GameParts parts);

  // Centres and shows the main window, tells what start-up could not save,
  // and deals the first game or goes on with the game kept from the last run.
  void Show();
  // The game in progress into the kept-game file, or the file gone when
  // there is none to keep (solved, or never dealt).
  void KeepGame();

  GameSession& Session() { return session_; }
  MainWindow& Window() { return window_; }
  const Images& Pictures() const { return images_; }

 private:
  GameSession session_;
  Outcome started_;
  Images images_;
  MainWindow window_;
  KeptGameFile* kept_;
};

}  // namespace lumitile
