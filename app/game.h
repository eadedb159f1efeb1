// The one place a game is put together: the session over its random source,
// clock and settings file, the pictures, the windows and the sounds. The
// game itself, the benchmarks and the view tests all build it here, each
// with its own parts.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "core/game_session.h"
#include "ui/images.h"
#include "ui/main_window.h"
#include "ui/question.h"

namespace lumitile {

class ErrandRunner;
class KeptGameFile;
class KeptGameWriter;
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
  // Where the game in progress waits between runs; none keeps nothing, and
  // neither does a file another running copy owns.
  KeptGameFile* Kept = nullptr;
  // Where the settings file's errands run; none: on a thread of the window's.
  ErrandRunner* Errands = nullptr;
};

class Game {
 public:
  // Reads the settings file before the window is made, without waiting for
  // another game's lock, so the window opens at the stored level.
  explicit Game(GameParts parts);
  ~Game();

  // Centres and shows the main window, has the settings file's defaults
  // written back (what cannot be saved is told once known), and deals the
  // first game or goes on with the game kept from the last run.
  void Show();
  // The game in progress into the kept-game file now, or the file gone when
  // there is none to keep (solved, or never dealt); a failure is told when
  // tell. After every move the game is kept anyway, off this thread.
  void KeepGame(bool tell);
  // Ends as 終了 does, for nobody at the window (a signal): nothing is asked.
  void EndUnattended();

  GameSession& Session() { return session_; }
  MainWindow& Window() { return window_; }
  const Images& Pictures() const { return images_; }

 private:
  GameSession session_;
  Outcome started_;
  Images images_;
  MainWindow window_;
  KeptGameFile* kept_;
  std::unique_ptr<KeptGameWriter> writer_;
  std::vector<FileFailure> told_;  // each cause told once
  bool attended_ = true;
  void Tell(const FileFailure& failure);
};

}  // namespace lumitile
