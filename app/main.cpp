// Lumitile: the parts of the game put together and the window shown.

#include <QApplication>
#include <QTimer>
#include <QByteArray>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "ui/canberra_sound_player.h"
#include "ui/images.h"
#include "ui/window_placement.h"
#include "core/data_files.h"
#include "core/game_controller.h"
#include "ui/main_window.h"
#include "core/random_source.h"
#include "core/tick_source.h"
#include "ui/window_events.h"
#include "ui/auxiliary_windows.h"
#include "core/records/ini_profile.h"

#ifndef LUMITILE_INSTALLED_DATA_DIR
#define LUMITILE_INSTALLED_DATA_DIR ""
#endif

namespace {

constexpr const char* kNoDisplay = "lumitile: no display found (set DISPLAY or WAYLAND_DISPLAY to play)\n";

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

bool IsSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

// Qt ends the process with an abort and a page of advice when no window
// system can be reached. While the application starts, its messages are held
// back; a fatal one becomes our single line and a plain failure status.
QtMessageHandler startupFallback = nullptr;
std::vector<std::pair<QtMsgType, QString>> startupMessages;

void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    // The only fatal error while the application starts is a window system
    // that cannot be opened; name what was tried.
    if (IsSet("QT_QPA_PLATFORM")) {
      std::fprintf(stderr, "lumitile: cannot open the window system \"%s\" named by QT_QPA_PLATFORM\n",
                   qgetenv("QT_QPA_PLATFORM").constData());
    } else {
      const QByteArray display = IsSet("WAYLAND_DISPLAY") && !IsSet("DISPLAY") ? qgetenv("WAYLAND_DISPLAY")
                                                                              : qgetenv("DISPLAY");
      std::fprintf(stderr, "lumitile: cannot open display \"%s\" (set DISPLAY or WAYLAND_DISPLAY to play)\n",
                   display.constData());
    }
    std::_Exit(1);
  }
  startupMessages.emplace_back(type, message);
}

}  // namespace

int main(int argc, char** argv) {
  // A platform chosen by hand (offscreen, vnc, ...) needs no display variable.
  if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
    std::fputs(kNoDisplay, stderr);
    return 1;
  }
  startupFallback = qInstallMessageHandler(StartupMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(startupFallback);
  for (const auto& [type, message] : startupMessages) {
    qt_message_output(type, QMessageLogContext(), message);
  }
  startupMessages.clear();

  // The game speaks Japanese whatever the desktop's language, and so do Qt's
  // own parts of it: the question boxes' buttons and the text box's menu.
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtJapanese);
  }

  using namespace lumitile;
  const std::vector<std::filesystem::path> folders =
      DataFolders(ExecutableFolder(), LUMITILE_INSTALLED_DATA_DIR);

  SeededRandom random(TimeSeed());
  SteadyTickSource ticks;
  IniProfile settings = IniProfile::ForThisProgram();
  LateSoundPlayer sounds(folders);
  WindowEvents events(sounds);
  GameController game(random, ticks, settings, events);
  game.LoadSettings();

  Images images(app.devicePixelRatio());
  MainWindow window(game, images);
  AuxiliaryWindows auxiliary(game, &window, folders);
  events.SetSideWindows(&auxiliary);
  window.SetSideWindows(&auxiliary);

  CentreOnScreen(&window);
  window.show();
  window.DealFirstGame();
  QTimer::singleShot(0, &window, [&sounds] { sounds.Open(); });
  return app.exec();
}
