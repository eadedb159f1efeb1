// How long Ctrl+N takes to show the new board, at every level, once the
// next game's deal is made and held: the real main window over the real game
// session, the key press and release delivered to the window as the window
// system would deliver them, then the pending repaint carried out. Before
// each press the bench waits, untimed, until the deal made ahead is back.
//
// Runs on whatever Qt platform it is given; without a display it falls back
// to the offscreen platform.
//
//   new_game_bench [GAMES]     GAMES new games a level (default 30); prints
//                              the median, 90th percentile and worst in
//                              milliseconds for each level, one "name value"
//                              a line

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/game.h"
#include "bench/window_bench_support.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/tick_source.h"

namespace {

using namespace lumitile;
using bench::Percentile;

}  // namespace

int main(int argc, char** argv) {
  bench::OffscreenWithoutDisplay();
  QApplication app(argc, argv);
  const int games = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;

  SeededRandom random(424242);
  SteadyTickSource ticks;
  QTemporaryDir folder;  // the settings file of a throw-away copy
  IniProfile settings(ProgramPlace{folder.path().toStdString(), "new_game_bench"});
  bench::NoSound sounds;
  Game game({random, ticks, settings, sounds, {}, AskInMessageBox, app.devicePixelRatio()});
  MainWindow& window = game.Window();
  GameSession& session = game.Session();
  window.show();
  window.DealFirstGame();
  auto* board = window.findChild<QWidget*>(QStringLiteral("Board"));
  bench::PaintCounter counter;
  board->installEventFilter(&counter);

  // Untimed: until the deal made ahead is held (or, at worst, a minute).
  const auto awaitReserve = [&] {
    QElapsedTimer waited;
    waited.start();
    while ((!session.NextDealReady() || session.Dealing()) && waited.elapsed() < 60000)
      app.processEvents(QEventLoop::AllEvents, 5);
    return session.NextDealReady();
  };

  int failures = 0;
  std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("games_per_level %d\n", games);
  for (int level = 0; level < kLevelCount; ++level) {
    window.SelectLevel(level);
    std::vector<double> ms;
    int unshown = 0;
    for (int i = 0; i < games; ++i) {
      if (!awaitReserve()) {
        std::fprintf(stderr, "new_game_bench: no deal held at level %d\n", level);
        return 1;
      }
      const Board before = session.CurrentBoard();
      const int paintsBefore = counter.paints;
      QElapsedTimer timer;
      timer.start();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
      QApplication::sendEvent(board, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier);
      QApplication::sendEvent(board, &release);
      // The repaint the new game asked for, as the event loop would run it next.
      QCoreApplication::sendPostedEvents();
      ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      const Board& after = session.CurrentBoard();
      if (session.Dealing() || counter.paints == paintsBefore || after.Givens == before.Givens) ++unshown;
      app.processEvents();
    }
    failures += unshown;
    std::printf("level_%d_median_ms %.3f\n", level, Percentile(ms, 0.5));
    std::printf("level_%d_p90_ms %.3f\n", level, Percentile(ms, 0.9));
    std::printf("level_%d_max_ms %.3f\n", level, *std::max_element(ms.begin(), ms.end()));
    std::printf("level_%d_unshown %d\n", level, unshown);
  }
  return failures == 0 ? 0 : 2;
}
