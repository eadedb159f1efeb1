// The main window: its frame and look, the menus, the level checks, the
// clock and hint tokens, the pointer, the board's painting and clicks, and
// the clear-all question.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <set>

#include "support/game_rig.h"
#include "ui/board_widget.h"
#include "ui/picture_box.h"

namespace lumitile {
namespace {

using testing::GameRig;
using testing::Pixels;

QImage Shot(QWidget* widget) { return Pixels(widget->grab().toImage()); }

bool Checked(GameRig& rig, const char* name) { return rig.Find<QAction>(name)->isChecked(); }

// The three digit boxes against the digit pictures.
std::string ShownTime(GameRig& rig) {
  std::string shown;
  for (int i = 0; i < 3; ++i) {
    const QImage box = Pixels(rig.Find<PictureBox>(QStringLiteral("Picture%1").arg(5 + i))->Picture());
    for (int d = 0; d <= 9; ++d)
      if (box == Pixels(rig.game.Pictures().Digit(d))) shown += static_cast<char>('0' + d);
  }
  return shown;
}

void PassSeconds(GameRig& rig, int seconds) {
  rig.ticks.AdvanceSeconds(seconds);
  rig.Window().RefreshClock();
}

TEST(MainWindow, FrameAndLook) {
  GameRig rig;
  MainWindow& window = rig.Window();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.windowTitle(), "Lumitile");
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const QImage client = Shot(window.centralWidget());
  EXPECT_EQ(client.pixel(295, 280), qRgb(0, 0, 0));
  EXPECT_EQ(client.pixel(302, 134), qRgb(192, 192, 192));  // palette ground
  EXPECT_EQ(client.pixel(300, 132), qRgb(0, 0, 0));        // palette frame
  EXPECT_EQ(client.pixel(388, 268), qRgb(192, 192, 255));  // clear-all ground
  EXPECT_EQ(rig.Find("Label1")->font().families().first(), "Times New Roman");
  const auto* credit = rig.Find<QLabel>("Label3");
  EXPECT_TRUE(credit->text().contains("2026"));
  EXPECT_LE(credit->fontMetrics().horizontalAdvance(credit->text()), credit->width());
  EXPECT_LE(credit->fontMetrics().height(), credit->height());
}

TEST(MainWindow, MenusCarryTheirCaptionsAndNoAccessKeys) {
  GameRig rig;
  const std::vector<std::pair<QString, QStringList>> expected{
      {"ﾌｧｲﾙ", {"new_game 新規ゲーム", "aa -", "end_app 終了"}},
      {"ﾚﾍﾞﾙ", {"beg_game 初級", "mid_game 中級", "hi_game 上級", "o -", "HiScore ﾊｲｽｺｱ...", "sss -",
               "mn_HiScClr ﾊｲｽｺｱのｸﾘｱ..."}},
      {"ﾍﾙﾌﾟ", {"mn_help Lumitile ﾍﾙﾌﾟ...", "h -", "mn_ver ﾊﾞｰｼﾞｮﾝ情報..."}},
  };
  const QList<QAction*> menus = rig.Window().menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(menus[m]->text(), expected[m].first);
    QStringList shown;
    for (QAction* item : menus[m]->menu()->actions()) {
      shown << item->objectName() + " " + (item->isSeparator() ? QStringLiteral("-") : item->text());
      EXPECT_TRUE(item->shortcut().isEmpty());
    }
    EXPECT_EQ(shown, expected[m].second);
  }
}

TEST(MainWindow, LevelChecksFollowTheLevelAndNothingElseMoves) {
  for (const auto& [stored, check] : std::vector<std::pair<const char*, const char*>>{
           {"0", "beg_game"}, {"1", "mid_game"}, {"2", "hi_game"}, {"7", "beg_game"}}) {
    testing::MemoryProfile file;
    file.Set("レベル", "値", stored);
    GameRig rig(&file);
    for (const char* level : {"beg_game", "mid_game", "hi_game"}) EXPECT_EQ(Checked(rig, level), level == check);
  }
  GameRig rig;
  rig.Window().NewGame();
  const QImage board = Shot(rig.Find("Board"));
  PassSeconds(rig, 12);
  rig.Find<QAction>("hi_game")->trigger();
  rig.Find<QAction>("hi_game")->trigger();  // the checked level again keeps its check
  EXPECT_TRUE(Checked(rig, "hi_game"));
  EXPECT_FALSE(Checked(rig, "beg_game"));
  EXPECT_EQ(Shot(rig.Find("Board")), board);
  EXPECT_EQ(ShownTime(rig), "012");
  EXPECT_TRUE(rig.Window().ClockTimer().isActive());
}

TEST(MainWindow, ClockHintTokensAndPointer) {
  GameRig rig;
  EXPECT_EQ(ShownTime(rig), "000");
  EXPECT_FALSE(rig.Window().ClockTimer().isActive()) << "no game, no timer";
  rig.Window().NewGame();
  EXPECT_FALSE(QGuiApplication::overrideCursor()) << "the busy pointer is gone after the deal";
  PassSeconds(rig, 59);
  EXPECT_EQ(ShownTime(rig), "059");
  rig.Click("Picture4(2)");
  const auto pointer = [&] { return Pixels(rig.Window().cursor().pixmap()); };
  EXPECT_EQ(pointer(), Pixels(rig.game.Pictures().Hint()));
  rig.ClickCell(rig.OpenCells().front());
  EXPECT_EQ(ShownTime(rig), "089") << "shown at once, without waiting for the timer";
  EXPECT_EQ(rig.Window().cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(rig.Find("Picture4(2)")->isHidden());
  EXPECT_FALSE(rig.Find("Picture4(0)")->isHidden() || rig.Find("Picture4(1)")->isHidden());
  // A double click picks once: Qt delivers its second press as a double-click event.
  QWidget* panel = rig.Find("Picture1(4)");
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const QPointF at(10, 10);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, panel->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
  }
  EXPECT_EQ(pointer(), Pixels(rig.game.Pictures().Panel(5)));
  rig.Click("Picture2");
  EXPECT_EQ(pointer(), Pixels(rig.game.Pictures().Eraser()));
  EXPECT_EQ(rig.sounds.played, std::vector<Sound>(3, Sound::Pick));
  rig.Window().NewGame();
  EXPECT_FALSE(rig.Find("Picture4(2)")->isHidden());
  EXPECT_EQ(ShownTime(rig), "000");
}

TEST(Board, PaintsBlackUntilDealtThenCellsUnderTheStrokes) {
  GameRig rig;
  QWidget* board = rig.Find("Board");
  QImage black(288, 288, QImage::Format_ARGB32);
  black.fill(Qt::black);
  EXPECT_EQ(Shot(board), black);

  Board puzzle = testing::PuzzleWithOpenCells(81);
  puzzle.Givens[0][0] = 1;
  puzzle.Entries[0][1] = 5;
  rig.Session().NewGameOn(puzzle);
  const QImage shot = Shot(board);
  const std::set<int> strokes{32, 64, 95, 96, 97, 128, 160, 191, 192, 193, 224, 256};
  const auto stroke = [&](int line) { return strokes.count(line) > 0; };
  for (int line = 0; line < 288; ++line) {
    for (int along = 67; along < 288; along += 7) {  // clear of the two pictures
      if (stroke(along)) continue;
      const QRgb expected = stroke(line) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      ASSERT_EQ(shot.pixel(line, along), expected) << line << "," << along;
      ASSERT_EQ(shot.pixel(along, line), expected) << along << "," << line;
    }
  }
  EXPECT_EQ(shot.copy(0, 0, 32, 32), Pixels(rig.game.Pictures().Given(1)));
  EXPECT_NE(shot.pixel(48, 16), qRgb(255, 255, 255)) << "the placed 5 shows on its cell";
}

TEST(Board, TurnsPixelsIntoCellsAndCountsOnlyFinishedClicks) {
  GameRig rig;
  auto* board = rig.Find<BoardWidget>("Board");
  const std::vector<std::pair<QPoint, std::optional<Cell>>> cases{
      {{0, 0}, Cell{0, 0}},     {{31, 31}, Cell{0, 0}},  {{32, 0}, Cell{0, 1}},  {{0, 32}, Cell{1, 0}},
      {{287, 287}, Cell{8, 8}}, {{288, 10}, std::nullopt}, {{10, 288}, std::nullopt}, {{-1, 5}, std::nullopt}};
  for (const auto& [pixel, cell] : cases) EXPECT_EQ(board->CellAt(pixel), cell) << pixel.x() << "," << pixel.y();

  rig.Session().NewGameOn(testing::PuzzleWithOpenCells(81));
  QTest::mousePress(rig.Find("Picture1(5)"), Qt::LeftButton, {}, {5, 5});  // a press alone picks nothing
  EXPECT_EQ(rig.Session().Pointer(), std::nullopt);
  rig.Click("Picture1(6)");
  // A fractional position on a scaled screen is the pixel under it, not the nearest corner.
  QTest::mousePress(board, Qt::LeftButton, {}, {40, 40});
  const QPointF inFirstCell(31.6, 31.6);
  QMouseEvent release(QEvent::MouseButtonRelease, inFirstCell, board->mapToGlobal(inFirstCell), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(board, &release);
  EXPECT_EQ(rig.Session().CellAt({0, 0}), (CellView{CellKind::Placed, 7}));
  QTest::mousePress(board, Qt::LeftButton, {}, {5, 5});
  QTest::mouseRelease(board, Qt::LeftButton, {}, {200, 100});  // judged where the button comes up
  QTest::mouseRelease(board, Qt::LeftButton, {}, {40, 40});    // no press: no click
  QTest::mouseClick(board, Qt::RightButton, {}, {72, 72});
  EXPECT_EQ(rig.Session().CellAt({3, 6}), (CellView{CellKind::Placed, 7}));
  EXPECT_EQ(rig.Session().CellAt({1, 1}), CellView{});
  EXPECT_EQ(rig.Session().CellAt({2, 2}), CellView{});
}

TEST(MainWindow, ClearAllAsksAndYesRestoresTheDealtBoard) {
  GameRig rig;
  rig.Window().NewGame();
  const QImage dealt = Shot(rig.Find("Board"));
  rig.Click("Picture1(3)");
  for (const Cell cell : rig.OpenCells()) rig.ClickCell(cell);
  ASSERT_NE(Shot(rig.Find("Board")), dealt);
  rig.answer = false;
  rig.Click("Picture3");
  EXPECT_NE(Shot(rig.Find("Board")), dealt);
  rig.answer = true;
  rig.Click("Picture3");
  EXPECT_EQ(Shot(rig.Find("Board")), dealt);
  EXPECT_EQ(rig.asked, (QStringList{"ClearQuestion", "ClearQuestion"}));
  EXPECT_EQ(rig.sounds.played, std::vector<Sound>{Sound::Pick});
}

}  // namespace
}  // namespace lumitile
