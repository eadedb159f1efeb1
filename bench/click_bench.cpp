// How long a click or a key takes to show on the board: the real main
// window over the real game session, a left button press and release (or a
// key press and release) delivered to the board as the window system would
// deliver them, then the pending repaint carried out. Each click changes a
// cell (numbers go down across the open cells, then the eraser takes them
// away again), and each key moves the cursor or changes the cell under it,
// so every repaint has work.
//
// Runs on whatever Qt platform it is given (the desktop benchmark runs it on
// its Xvfb display, so the time includes putting the pixels on the X server);
// without a display it falls back to the offscreen platform.
//
//   click_bench [CLICKS]        prints the median, 90th percentile and worst
//                               click and key in milliseconds, one "name
//                               value" a line

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "app/game.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/tick_source.h"
#include "bench/window_bench_support.h"
#include "ui/sound_player.h"

namespace {

using namespace lumitile;

using bench::NoSound;
using bench::PaintCounter;

void Click(QWidget* board, QPoint at) {
  const QPointF local(at);
  const QPointF global(board->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(board, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(board, &release);
}

void Key(QWidget* board, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(board, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(board, &release);
}

using bench::Percentile;

}  // namespace

int main(int argc, char** argv) {
  bench::OffscreenWithoutDisplay();
  QApplication app(argc, argv);
  const int clicks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

  SeededRandom random(12345);
  SteadyTickSource ticks;
  QTemporaryDir folder;  // the settings file of a throw-away copy
  IniProfile settings(ProgramPlace{folder.path().toStdString(), "click_bench"});
  NoSound sounds;
  Game game({random, ticks, settings, sounds, {}, AskInMessageBox, app.devicePixelRatio()});
  MainWindow& window = game.Window();
  window.show();
  window.NewGame();

  auto* board = window.findChild<QWidget*>(QStringLiteral("Board"));
  if (!board) {
    std::fprintf(stderr, "click_bench: the main window has no board\n");
    return 1;
  }
  PaintCounter counter;
  board->installEventFilter(&counter);
  // Let the window come up and draw once before anything is timed.
  QElapsedTimer settle;
  settle.start();
  while (counter.paints == 0 && settle.elapsed() < 5000) app.processEvents(QEventLoop::AllEvents, 50);

  std::vector<QPoint> openCells;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (game.Session().CellAt({r, c}).Kind != CellKind::Given) openCells.emplace_back(c * 32 + 16, r * 32 + 16);
    }
  }
  if (openCells.empty()) {
    std::fprintf(stderr, "click_bench: the puzzle has no open cell\n");
    return 1;
  }

  std::vector<double> ms;
  ms.reserve(static_cast<std::size_t>(clicks));
  int unpainted = 0;
  bool placing = false;
  std::size_t next = openCells.size();
  QElapsedTimer timer;
  for (int i = 0; i < clicks; ++i) {
    if (next == openCells.size()) {
      // A round over every open cell: alternately all 1s (never a solution)
      // and the eraser.
      placing = !placing;
      window.PickItem(placing ? Pick::Panel(0) : Pick::Eraser());
      app.processEvents();
      next = 0;
    }
    const int paintsBefore = counter.paints;
    timer.start();
    Click(board, openCells[next++]);
    // The repaint the click asked for, as the event loop would run it next.
    QCoreApplication::sendPostedEvents();
    ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (counter.paints == paintsBefore) ++unpainted;
    // Whatever else is due (the window system's replies) is not the click's.
    app.processEvents();
  }

  // Keys: the cursor walks the board row by row (Right, and Down then Home
  // at a row's end), and on every open cell a digit puts a 2 there or, on
  // the next pass, 0 takes it away again.
  std::vector<int> pass;
  for (int i = 0; i < 81; ++i) {
    if (game.Session().CellAt({i / 9, i % 9}).Kind != CellKind::Given) pass.push_back(Qt::Key_2);
    if (i % 9 < 8) {
      pass.push_back(Qt::Key_Right);
    } else {
      pass.push_back(Qt::Key_Down);
      pass.push_back(Qt::Key_Home);
    }
  }
  window.PickItem(Pick::Eraser());  // the clicks left the cells empty or holding 1s
  for (const QPoint& at : openCells) Click(board, at);
  Click(board, {16, 16});  // a click puts the cursor on its cell: the walk starts top-left
  int unpaintedKeys = 0;
  std::vector<double> keyMs;
  keyMs.reserve(static_cast<std::size_t>(clicks));
  for (int i = 0; i < clicks; ++i) {
    const std::size_t step = static_cast<std::size_t>(i) % pass.size();
    const bool erasing = (static_cast<std::size_t>(i) / pass.size()) % 2 == 1;
    const int key = pass[step] == Qt::Key_2 && erasing ? Qt::Key_0 : pass[step];
    const int paintsBefore = counter.paints;
    timer.start();
    Key(board, key);
    QCoreApplication::sendPostedEvents();
    keyMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (counter.paints == paintsBefore) ++unpaintedKeys;
    app.processEvents();
  }

  std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("clicks %d\n", clicks);
  std::printf("unpainted %d\n", unpainted);
  std::printf("unpainted_keys %d\n", unpaintedKeys);
  std::printf("median_ms %.3f\n", Percentile(ms, 0.5));
  std::printf("p90_ms %.3f\n", Percentile(ms, 0.9));
  std::printf("max_ms %.3f\n", *std::max_element(ms.begin(), ms.end()));
  std::printf("key_median_ms %.3f\n", Percentile(keyMs, 0.5));
  std::printf("key_p90_ms %.3f\n", Percentile(keyMs, 0.9));
  std::printf("key_max_ms %.3f\n", *std::max_element(keyMs.begin(), keyMs.end()));
  return unpainted == 0 && unpaintedKeys == 0 ? 0 : 2;
}
