// What the main window shows at every zoom and in every state of the game:
// the board's cells under the pointer, its covers, and a clock that wakes
// exactly when its second turns. Every picture refreshed with a zoom change
// is the layout test's.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <set>

#include "support/game_rig.h"
#include "ui/board_widget.h"
#include "ui/images.h"
#include "ui/picture_box.h"

namespace lumitile {
namespace {

using namespace testing;

// At each zoom: black before the deal, then a given and a placed panel in
// their squares (at 100 % under strokes of 1 and 3 pixels); a click or a
// right click lands on the cell under the pointer, edges included, judged
// where the button comes up after a press; the pause cover hides every cell;
// 完成！ lies across the middle only.
TEST(BoardView, EveryZoomHitsTheCellUnderThePointerAndCoversTheBoardWhole) {
  for (const int percent : kZoomPercents) {
    SCOPED_TRACE(percent);
    GameRig rig;
    rig.Window().SetZoom(percent);
    auto* board = rig.Find<BoardWidget>("Board");
    const int cell = 32 * percent / 100, side = 9 * cell;
    ASSERT_EQ(board->size(), QSize(side, side));
    QImage black(side, side, QImage::Format_ARGB32);
    black.fill(Qt::black);
    EXPECT_TRUE(SamePixels(Shot(board), black)) << "nothing dealt yet";

    Board puzzle = PuzzleWithOpenCells(81);
    puzzle.Givens[0][0] = 1;
    puzzle.Entries[0][1] = 5;
    rig.Session().Execute(cmd::NewGameOn{puzzle});
    const QImage dealt = Shot(board);
    EXPECT_TRUE(SamePixels(dealt.copy(0, 0, cell, cell), rig.game.Pictures().Given(1)));
    EXPECT_NE(dealt.pixel(cell + cell / 2, cell / 2), qRgb(255, 255, 255)) << "the placed 5 shows on its cell";
    const std::set<int> strokes{32, 64, 95, 96, 97, 128, 160, 191, 192, 193, 224, 256};
    for (int line = 0; line < 288 && percent == 100; ++line) {
      for (int along = 67; along < 288; along += 7) {  // clear of the two pictures
        if (strokes.contains(along)) continue;
        const QRgb expected = strokes.contains(line) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        ASSERT_EQ(dealt.pixel(line, along), expected) << line << "," << along;
        ASSERT_EQ(dealt.pixel(along, line), expected) << along << "," << line;
      }
    }
    const std::pair<QPoint, Cell> clicks[] = {{{2 * cell - 1, 2 * cell - 1}, {1, 1}}, {{cell, 0}, {0, 1}},
                                             {{7 * cell + cell / 2, 2 * cell}, {2, 7}},
                                             {{side - 1, side - 1}, {8, 8}}, {{0, 5 * cell - 1}, {4, 0}}};
    rig.Window().PickItem(Pick::Panel(8));
    for (const auto& [pixel, at] : clicks) {
      QTest::mouseClick(board, Qt::LeftButton, {}, pixel);
      EXPECT_EQ(rig.Session().CellAt(at), (CellView{CellKind::Placed, 9})) << at.Row << "," << at.Column;
    }
    EXPECT_EQ(rig.Session().CellAt({2, 2}), CellView{});
    rig.Window().PickItem(Pick::Panel(2));
    QTest::mouseClick(board, Qt::RightButton, {}, {3 * cell + 1, 6 * cell + 1});
    EXPECT_EQ(rig.Session().MarksShown({6, 3}), MarkBit(3));
    QTest::mouseRelease(board, Qt::LeftButton, {}, {cell + 1, 2 * cell + 1});  // no left press: no click
    QTest::mousePress(board, Qt::LeftButton, {}, {1, 1});
    QTest::mouseRelease(board, Qt::LeftButton, {}, {-1, 2 * cell + 1});  // dragged off the board: no click
    QTest::mousePress(board, Qt::LeftButton, {}, {1, 1});
    QTest::mouseRelease(board, Qt::LeftButton, {}, {6 * cell + 1, 3 * cell + 1});  // judged where the button comes up
    // A fractional position on a scaled screen is the pixel under it, not the nearest corner.
    QTest::mousePress(board, Qt::LeftButton, {}, {1, 1});
    const QPointF corner(3 * cell - 0.4, 3 * cell - 0.4);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, board->mapToGlobal(corner), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(board, &release);
    EXPECT_EQ(rig.Session().CellAt({3, 6}), (CellView{CellKind::Placed, 3}));
    EXPECT_EQ(rig.Session().CellAt({2, 2}), (CellView{CellKind::Placed, 3}));
    for (const Cell untouched : {Cell{2, 0}, Cell{2, 1}}) EXPECT_EQ(rig.Session().CellAt(untouched), CellView{});

    const QImage playing = Shot(board);
    rig.Window().TogglePause();
    const QImage covered = Shot(board);
    QImage cover(side, 3 * cell, QImage::Format_ARGB32);
    cover.fill(QColor(0, 0, 96));
    for (const int top : {0, 6 * cell})  // clear of the 一時停止中 band
      EXPECT_TRUE(SamePixels(covered.copy(0, top, side, 3 * cell), cover)) << top;
    rig.Window().TogglePause();
    EXPECT_TRUE(SamePixels(Shot(board), playing));
    board->ShowFinished(true);
    const QImage finished = Shot(board);
    const int band = side / 8 + 1;
    EXPECT_TRUE(SamePixels(finished.copy(0, 0, side, side / 2 - band), playing.copy(0, 0, side, side / 2 - band)));
    EXPECT_TRUE(SamePixels(finished.copy(0, side / 2 + band, side, side / 2 - band),
                           playing.copy(0, side / 2 + band, side, side / 2 - band)));
    EXPECT_NE(finished.copy(0, side / 2 - 4, side, 8), playing.copy(0, side / 2 - 4, side, 8));
  }
}

// The clock's timer is set for the very moment the shown second turns, and
// is off whenever the time cannot change.
TEST(BoardView, TheClockWakesWhenItsSecondTurnsAndSleepsWhenItCannot) {
  GameRig rig;
  const QTimer& timer = rig.Window().ClockTimer();
  rig.Session().Execute(cmd::NewGameOn{PuzzleWithOpenCells(3)});
  rig.Window().RefreshClock();
  EXPECT_TRUE(timer.isActive() && timer.interval() == 1000);
  rig.ticks.AdvanceSeconds(2.3);
  rig.Window().RefreshClock();
  EXPECT_EQ(timer.interval(), 700);
  rig.Window().TogglePause();
  EXPECT_FALSE(timer.isActive()) << "held";
  rig.ticks.AdvanceSeconds(50);
  rig.Window().TogglePause();
  EXPECT_TRUE(timer.isActive() && timer.interval() == 700) << "on from the held moment";
  rig.Window().PickItem(Pick::Hint(0));
  rig.Window().ClickCell(0, 0);
  EXPECT_TRUE(SamePixels(rig.Find<PictureBox>("Picture6")->Picture(), rig.game.Pictures().Digit(3)))
      << "the charge shows at once: 032";
  rig.ticks.AdvanceSeconds(2000);
  rig.Window().RefreshClock();
  EXPECT_FALSE(timer.isActive()) << "999 cannot change";
}

}  // namespace
}  // namespace lumitile
