// Lumitile: the game's own parts handed to the one wiring, and the window shown.
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/end_signals.h"
#include "app/game.h"
#include "app/startup.h"
#include "core/data_files.h"
#include "core/puzzle/puzzle_text.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/records/kept_game_file.h"
#include "core/tick_source.h"
#include "ui/canberra_sound_player.h"

#ifndef LUMITILE_INSTALLED_DATA_DIR
#define LUMITILE_INSTALLED_DATA_DIR ""
#endif

namespace {

// Opens the sound output once the window is up, so the game shows without
// waiting for the desktop's sound server; until then the game is silent.
class LateSoundPlayer final : public lumitile::SoundPlayer {
 public:
  explicit LateSoundPlayer(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}
  void Open() { player_ = std::make_unique<lumitile::CanberraSoundPlayer>(folders_); }
  void Play(lumitile::Sound sound) override {
    if (player_) player_->Play(sound);
  }

 private:
  std::vector<std::filesystem::path> folders_;
  std::unique_ptr<lumitile::CanberraSoundPlayer> player_;
};

// No file of puzzles comes near this; a bigger one is not read whole.
constexpr std::streamsize kMaxPuzzleFileBytes = 16 << 20;

// The puzzles of the file named on the command line; nothing, after saying
// why on stderr, when it cannot be read or holds none.
std::optional<std::vector<std::string>> PuzzleFile(const std::string& name) {
  errno = 0;
  std::ifstream file(name, std::ios::binary);
  std::string text(static_cast<std::size_t>(kMaxPuzzleFileBytes) + 1, '\0');
  if (file) file.read(text.data(), kMaxPuzzleFileBytes + 1);
  if (!file && !file.eof()) {
    std::fprintf(stderr, "lumitile: cannot read '%s': %s\n", name.c_str(), std::strerror(errno));
    return std::nullopt;
  }
  if (file.gcount() > kMaxPuzzleFileBytes) {
    std::fprintf(stderr, "lumitile: '%s' is too big for a file of puzzles\n", name.c_str());
    return std::nullopt;
  }
  text.resize(static_cast<std::size_t>(file.gcount()));
  auto puzzles = lumitile::PuzzlesInFile(text);
  if (puzzles.empty()) {
    std::fprintf(stderr, "lumitile: '%s' holds no puzzle\n", name.c_str());
    return std::nullopt;
  }
  return puzzles;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumitile;
  const CommandLine line = ReadCommandLine(std::vector<std::string_view>(argv + std::min(argc, 1), argv + argc));
  switch (line.What) {
    case CommandLine::Action::kHelp: std::fputs(HelpText().c_str(), stdout); return 0;
    case CommandLine::Action::kVersion: std::printf("%s\n", VersionText().c_str()); return 0;
    case CommandLine::Action::kUsageError:
      std::fprintf(stderr, "lumitile: %s\n%s\n", line.Problem.c_str(), UsageLine().c_str());
      return 2;
    case CommandLine::Action::kPlay: break;
  }
  std::vector<std::string> puzzles;
  if (!line.Puzzle.empty()) puzzles.push_back(line.Puzzle);
  if (!line.PuzzleFile.empty()) {
    auto read = PuzzleFile(line.PuzzleFile);
    if (!read) return 1;
    puzzles = std::move(*read);
  }
  if (!DisplayNamed()) return 1;
  QTranslator translator;
  const auto app = StartApplication(argc, argv, translator);

  const auto folders = DataFolders(ExecutableFolder(), LUMITILE_INSTALLED_DATA_DIR);
  SeededRandom random(TimeSeed());
  SteadyTickSource ticks;
  IniProfile settings = IniProfile::ForThisProgram();
  KeptGameFile kept = KeptGameFile::ForThisProgram();
  LateSoundPlayer sounds(folders);
  Game game({random, ticks, settings, sounds, folders, AskInMessageBox, app->devicePixelRatio(), &kept});
  OnEndSignals(&game.Window(), [&game] { game.EndUnattended(); });
  game.Show();
  QTimer::singleShot(0, &game.Window(), [&sounds] { sounds.Open(); });
  // Offered once the window is up, so what the check says shows over it; a
  // puzzle refused leaves the kept or dealt game on the board.
  if (!puzzles.empty()) {
    QTimer::singleShot(0, &game.Window(), [&game, puzzles] { game.Window().OfferPuzzles(puzzles); });
  }
  // --show-and-quit: once the first window is up, print its title and menus
  // (in the language the player would read them) and leave through the close
  // box's path, so a script can check an installed game end to end.
  if (line.ShowAndQuit) {
    QTimer::singleShot(0, &game.Window(), [&window = game.Window()] {
      QStringList menus;
      for (const QAction* menu : window.menuBar()->actions()) menus << menu->text();
      std::printf("%s: %s\n", window.windowTitle().toUtf8().constData(), menus.join(u' ').toUtf8().constData());
      window.close();
    });
  }
  return app->exec();
}
