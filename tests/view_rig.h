// The main window built over a real controller with stand-ins for time, the
// settings file, the sounds and the side windows, for the view tests. The
// tests run on Qt's offscreen platform: no display is needed.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "core_fakes.h"
#include "ui/images.h"
#include "ui/sound_player.h"
#include "core/game_controller.h"
#include "ui/main_window.h"
#include "core/random_source.h"
#include "ui/window_events.h"

namespace lumitile::testing {

struct RecordingSounds : SoundPlayer {
  std::vector<Sound> played;
  void Play(Sound sound) override { played.push_back(sound); }
};

struct RecordingSideWindows : SideWindows {
  QStringList calls;
  GameController* game = nullptr;
  bool answerClear = true;
  void ShowRecordEntry() override { calls << "record"; }
  void ShowBestTimes() override { calls << "table"; }
  bool AskAndClearBestTimes() override {
    calls << "clear";
    if (answerClear && game) game->ClearBestTimes();
    return answerClear;
  }
  void ShowHelp() override { calls << "help"; }
  void ShowAbout() override { calls << "about"; }
};

// Started as the game starts: settings loaded, then the window made. Nothing
// is dealt until the test asks for a new game.
struct ViewRig {
  explicit ViewRig(int storedLevel = 0, uint64_t seed = 20260101) : random(seed) {
    profile.values[{"レベル", "値"}] = std::to_string(storedLevel);
    game.LoadSettings();
    side.game = &game;
    events.SetSideWindows(&side);
    window = std::make_unique<MainWindow>(game, images);
    window->SetSideWindows(&side);
  }

  FakeTicks ticks;
  MemoryProfile profile;
  SeededRandom random;
  RecordingSounds sounds;
  RecordingSideWindows side;
  WindowEvents events{sounds};
  GameController game{random, ticks, profile, events};
  Images images;
  std::unique_ptr<MainWindow> window;
};

// Images compare only in one pixel format.
inline QImage Pixels(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }
inline QImage Pixels(const QPixmap& pixmap) { return Pixels(pixmap.toImage()); }

// A picture with transparent parts as it shows on a white cell.
inline QImage OnWhite(const QPixmap& picture) {
  QImage image(picture.size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawPixmap(0, 0, picture);
  painter.end();
  return image;
}

// Qt needs its application before any picture is loaded; the tests run
// offscreen unless told otherwise.
#define LUMITILE_VIEW_TEST_MAIN(TestClass)                                        \
  int main(int argc, char** argv) {                                              \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);                                                \
    TestClass test;                                                              \
    return QTest::qExec(&test, argc, argv);                                      \
  }

}  // namespace lumitile::testing
