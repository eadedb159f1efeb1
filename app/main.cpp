// Lumitile: the game's own parts handed to the one wiring, and the window shown.
#include <QMenuBar>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/end_signals.h"
#include "app/game.h"
#include "app/startup.h"
#include "core/data_files.h"
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

}  // namespace

int main(int argc, char** argv) {
  using namespace lumitile;
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
  // --show-and-quit: once the first window is up, print its title and menus
  // (in the language the player would read them) and leave through the close
  // box's path, so a script can check an installed game end to end.
  if (app->arguments().contains(QStringLiteral("--show-and-quit"))) {
    QTimer::singleShot(0, &game.Window(), [&window = game.Window()] {
      QStringList menus;
      for (const QAction* menu : window.menuBar()->actions()) menus << menu->text();
      std::printf("%s: %s\n", window.windowTitle().toUtf8().constData(), menus.join(u' ').toUtf8().constData());
      window.close();
    });
  }
  return app->exec();
}
