// The main window: the menus and keys, the level checks, the clock and hint
// tokens, the pointer and clear-all, the pause on minimising, what a screen
// reader hears, and the board at every zoom: its cells under the pointer, its
// covers, and a clock that wakes exactly when its second turns. Every picture
// refreshed with a zoom change is the layout test's.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalSpy>
#include <set>

#include "support/game_rig.h"
#include "ui/accessibility.h"
#include "ui/board_widget.h"
#include "ui/images.h"
#include "ui/picture_box.h"
#include "ui/spoken_news.h"

namespace lumitile {
namespace {

using namespace testing;

// The clock's shown boxes from left to right against the digit pictures:
// an unlit digit reads as a space, the colon as ':'.
std::string ShownTime(GameRig& rig) {
  std::vector<PictureBox*> boxes;
  for (const char* name : {"Picture5", "Picture6", "Picture7", "Picture8", "Picture9"})
    if (auto* box = rig.Find<PictureBox>(name); box->isVisibleTo(&rig.Window())) boxes.push_back(box);
  std::ranges::sort(boxes, {}, [](PictureBox* box) { return box->x(); });
  std::string shown;
  const Images& images = rig.game.Pictures();
  for (const PictureBox* box : boxes) {
    for (int d = kUnlitDigit; d <= 9; ++d)
      if (SamePixels(box->Picture(), images.Digit(d))) shown += d == kUnlitDigit ? ' ' : static_cast<char>('0' + d);
    if (SamePixels(box->Picture(), images.Colon())) shown += ':';
  }
  return shown;
}

// Every key through the real window on a board whose first row is open:
// each does its one thing, and no key is bound to two entries, where Qt
// would fire neither. Every menu entry has an objectName of its own and,
// unless it is a separator, a caption without '&' (no entry has an access
// key); the help test holds the captions to the help's text.
TEST(MainWindow, EveryKeyDoesItsOneThing) {
  GameRig rig;
  rig.game.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.Window()));
  GameSession& game = rig.Session();
  game.Execute(cmd::NewGameOn{PuzzleWithOpenCells(9)});
  std::set<QString> names, bound;
  for (QAction* menu : rig.Window().menuBar()->actions()) {
    for (QAction* item : QList<QAction*>{menu} + menu->menu()->actions()) {
      const std::string name = item->objectName().toStdString();
      EXPECT_TRUE(!name.empty() && names.insert(item->objectName()).second) << name;
      EXPECT_TRUE(item->isSeparator() || (!item->text().isEmpty() && !item->text().contains('&'))) << name;
    }
  }
  for (const QAction* action : rig.Window().findChildren<QAction*>())
    for (const QKeySequence& key : action->shortcuts())
      EXPECT_TRUE(bound.insert(key.toString()).second) << key.toString().toStdString() << " bound twice";
  // The first row's entries, the marks of its first cell, the cursor, the
  // pick, pause and zoom.
  const auto state = [&] {
    const Cell at = game.Cursor();
    const PointerView pick = game.Pointer();
    return testing::Digits(game.CurrentBoard().Entries).substr(0, 9) + " " + std::to_string(game.MarksShown({0, 0})) + " " +
           std::to_string(at.Row * 10 + at.Column) + " " +
           (pick ? std::to_string(static_cast<int>(pick->What) * 10 + pick->Index) : "-") +
           (game.Paused() ? " paused " : " ") + std::to_string(game.Zoom());
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const std::tuple<int, Qt::KeyboardModifiers, std::string> keys[] = {
      {Qt::Key_End, {}, "000000000 0 8 - 100"}, {Qt::Key_7, Qt::KeypadModifier, "000000007 0 8 6 100"},
      {Qt::Key_Home, {}, "000000007 0 0 6 100"}, {Qt::Key_3, ctrl, "000000007 8 0 6 100"},
      {Qt::Key_3, Qt::AltModifier, "000000007 8 0 6 100"}, {Qt::Key_Right, {}, "000000007 8 1 6 100"},
      {Qt::Key_H, {}, "020000007 8 1 - 100"}, {Qt::Key_Right, {}, "020000007 8 2 - 100"},
      {Qt::Key_5, {}, "025000007 8 2 4 100"}, {Qt::Key_Right, {}, "025000007 8 3 4 100"},
      {Qt::Key_Return, {}, "025500007 8 3 4 100"}, {Qt::Key_Backspace, {}, "025000007 8 3 10 100"},
      {Qt::Key_Z, ctrl, "025500007 8 3 10 100"}, {Qt::Key_Y, ctrl, "025000007 8 3 10 100"},
      {Qt::Key_Z, ctrl, "025500007 8 3 10 100"}, {Qt::Key_Z, ctrl | Qt::ShiftModifier, "025000007 8 3 10 100"},
      {Qt::Key_Escape, {}, "025000007 8 3 - 100"}, {Qt::Key_Pause, {}, "025000007 8 3 - paused 100"},
      {Qt::Key_Left, {}, "025000007 8 3 - paused 100"}, {Qt::Key_P, {}, "025000007 8 3 - 100"},
      {Qt::Key_Equal, ctrl, "025000007 8 3 - 150"}, {Qt::Key_Minus, ctrl, "025000007 8 3 - 100"},
      {Qt::Key_Minus, ctrl, "025000007 8 3 - 100"}, {Qt::Key_Plus, ctrl, "025000007 8 3 - 150"},
      {Qt::Key_Equal, ctrl, "025000007 8 3 - 200"}, {Qt::Key_Plus, ctrl, "025000007 8 3 - 300"},
      {Qt::Key_Plus, ctrl, "025000007 8 3 - 300"}, {Qt::Key_0, ctrl, "025000007 8 3 - 100"},
  };
  for (const auto& [key, modifiers, after] : keys) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    EXPECT_EQ(state(), after) << QKeySequence(key | modifiers).toString().toStdString();
  }
}

// A level change moves the checks and nothing else. The hard levels deal on
// a pool thread: the window and the game on it go on under the busy pointer
// until the latest deal shows, then with its clock in minutes.
TEST(MainWindow, LevelsMoveTheChecksAndTheHardOnesDealWithoutFreezingTheWindow) {
  MemoryProfile file;
  file.Set("レベル", "値", "2");
  GameRig rig(&file);
  const auto checkedLevels = [&rig] {
    std::string checked;
    for (const char* level : {"beg_game", "mid_game", "hi_game", "sup_game", "mas_game", "grand_game"})
      if (rig.Find<QAction>(level)->isChecked()) checked += level;
    return checked;
  };
  EXPECT_EQ(checkedLevels(), "hi_game");
  rig.Window().NewGame();
  const QImage board = Shot(rig.Find("Board"));
  rig.ticks.AdvanceSeconds(12);
  rig.Window().RefreshClock();
  rig.Find<QAction>("mid_game")->trigger();
  rig.Find<QAction>("mid_game")->trigger();  // the checked level again keeps its check
  EXPECT_EQ(checkedLevels(), "mid_game");
  EXPECT_TRUE(SamePixels(Shot(rig.Find("Board")), board));
  EXPECT_EQ(ShownTime(rig), "012");
  EXPECT_TRUE(rig.Window().ClockTimer().isActive());
  QSignalSpy returned(&rig.Window(), &MainWindow::DealReturned);
  rig.Find<QAction>("mas_game")->trigger();
  rig.Window().NewGame();
  ASSERT_TRUE(QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
  EXPECT_TRUE(SamePixels(Shot(rig.Find("Board")), board));
  rig.Find<QAction>("sup_game")->trigger();
  EXPECT_FALSE(QGuiApplication::overrideCursor()) << "a level change gives the deal up";
  rig.Window().NewGame();
  while (rig.Session().Dealing()) ASSERT_TRUE(returned.wait(60000));
  EXPECT_FALSE(QGuiApplication::overrideCursor());
  EXPECT_FALSE(SamePixels(Shot(rig.Find("Board")), board));
  EXPECT_EQ(ShownTime(rig), " 0:00");
  EXPECT_TRUE(rig.Window().ClockTimer().isActive());
  // Meanwhile the next game's deal is made: that game shows at once.
  while (!rig.Session().NextDealReady()) ASSERT_TRUE(returned.wait(60000));
  const QImage before = Shot(rig.Find("Board"));
  rig.Window().NewGame();
  EXPECT_FALSE(rig.Session().Dealing() || SamePixels(Shot(rig.Find("Board")), before));
  rig.ticks.AdvanceSeconds(1000 * 60 + 7);
  rig.Window().RefreshClock();
  EXPECT_EQ(ShownTime(rig), "99:59") << "held there";
  // A solve that sets no record says so on the board for a moment.
  file.Set("ハイスコア", "超上級", "1");
  rig.SolveOneCellIn(5);
  EXPECT_TRUE(rig.Find<BoardWidget>("Board")->FinishedShown() && rig.Window().FinishedTimer().isActive());
  EXPECT_FALSE(rig.Window().SideWindows().RecordEntry());
  // The window goes while a game waits for its deal: the deal is given up
  // and its board never arrives.
  rig.Find<QAction>("grand_game")->trigger();
  rig.Window().NewGame();
  EXPECT_TRUE(rig.Session().Dealing());
}

// The palette's items, the clock, the hint tokens, the pointer and clear-all.
TEST(MainWindow, ThePaletteTheClockAndThePointer) {
  GameRig rig;
  EXPECT_EQ(ShownTime(rig), "000");
  EXPECT_FALSE(rig.Window().ClockTimer().isActive()) << "no game, no timer";
  rig.Window().NewGame();
  const QImage dealt = Shot(rig.Find("Board"));
  rig.Click("Picture4(2)");
  const auto pointer = [&] { return rig.Find("ClientArea")->cursor().pixmap(); };
  EXPECT_TRUE(SamePixels(pointer(), rig.game.Pictures().Hint()));
  rig.ClickCell(rig.OpenCells().front());
  EXPECT_EQ(rig.Find("ClientArea")->cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(rig.Find("Picture4(2)")->isHidden());
  EXPECT_FALSE(rig.Find("Picture4(0)")->isHidden() || rig.Find("Picture4(1)")->isHidden());
  // A press alone, or one released off the button, picks nothing; a double
  // click picks once: Qt delivers its second press as a double-click event.
  QTest::mousePress(rig.Find("Picture1(5)"), Qt::LeftButton, {}, {5, 5});
  QTest::mouseRelease(rig.Find("Picture1(5)"), Qt::LeftButton, {}, {-5, 5});
  rig.Click("Picture1(4)");
  QTest::mouseDClick(rig.Find("Picture1(4)"), Qt::LeftButton, {}, {10, 10});
  QTest::mouseRelease(rig.Find("Picture1(4)"), Qt::LeftButton, {}, {10, 10});
  EXPECT_TRUE(SamePixels(pointer(), rig.game.Pictures().Panel(5)));
  rig.Click("Picture2");
  EXPECT_TRUE(SamePixels(pointer(), rig.game.Pictures().Eraser()));
  // It shows over the board and the background; what can be clicked keeps the arrow.
  for (const char* name : {"Board", "ClientArea", "Label2", "Picture5"})
    EXPECT_EQ(rig.Find(name)->cursor().shape(), Qt::BitmapCursor) << name;
  for (const char* name : {"Picture1(0)", "Picture2", "Picture3", "Picture4(0)"})
    EXPECT_EQ(rig.Find(name)->cursor().shape(), Qt::ArrowCursor) << name;
  EXPECT_EQ(rig.Window().menuBar()->cursor().shape(), Qt::ArrowCursor);
  // Its hot spot is the middle of the picture as seen, whether the platform
  // reads it in the picture's pixels or the window's.
  for (const qreal ratio : {1.0, 2.0}) {
    QPixmap picture(QSize(32, 32) * ratio);
    picture.setDevicePixelRatio(ratio);
    for (const bool imagePixels : {false, true}) {
      const QCursor cursor = CentredCursor(picture, imagePixels);
      const QPoint inImagePixels = imagePixels ? cursor.hotSpot() : cursor.hotSpot() * cursor.pixmap().devicePixelRatio();
      EXPECT_EQ(inImagePixels, QPoint(16, 16) * ratio) << ratio << imagePixels;
      EXPECT_EQ(cursor.pixmap().size(), picture.size()) << "the picture keeps its pixels";
    }
  }
  // Clear-all asks first, and only a yes takes the hint's panel back off.
  for (const bool yes : {false, true}) {
    rig.answer = yes;
    rig.Click("Picture3");
    EXPECT_EQ(bool(SamePixels(Shot(rig.Find("Board")), dealt)), yes);
  }
  EXPECT_EQ(rig.asked, (QStringList{"ClearQuestion", "ClearQuestion"}));
  EXPECT_EQ(rig.sounds.played, std::vector<Sound>(3, Sound::Pick));
  rig.Window().NewGame();
  EXPECT_FALSE(rig.Find("Picture4(2)")->isHidden());
  EXPECT_EQ(ShownTime(rig), "000");
}

// What a reader hears: the cells of a list laid out as a table, each change
// by the cells' new names and through the announcer; the palette's items by their pick, Tab and the arrows over it.
// (Qt sends the events only to a live bridge: the AT-SPI test hears them,
// with the hint, the time, the full board and the solve.)
TEST(MainWindow, AScreenReaderHearsEveryChangeAndCanWalkAndPressThePalette) {
  GameRig rig;
  rig.game.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.Window()));
  Board puzzle = PuzzleWithOpenCells(27);
  puzzle.Entries[2][3] = 7;
  puzzle.Marks[2][5] = MarkBit(1) | MarkBit(4);
  rig.Session().Execute(cmd::NewGameOn{puzzle});
  rig.Session().Execute(cmd::MoveCursor{2, 4});
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(rig.Find("Board"));
  ASSERT_EQ(board->role(), QAccessible::List);
  QAccessibleTableInterface* table = board->tableInterface();
  const std::pair<Cell, QString> names[] = {
      {{2, 4}, "3行5列 空き"}, {{2, 3}, "3行4列 7"}, {{2, 5}, "3行6列 空き メモ 1 4"}, {{3, 4}, "4行5列 6 (固定)"}};
  for (const auto& [cell, name] : names) EXPECT_EQ(table->cellAt(cell.Row, cell.Column)->text(QAccessible::Name), name);
  EXPECT_EQ(table->cellAt(0, 0)->role(), QAccessible::ListItem) << "a table cell would read its whole row";
  rig.Find<QAction>("zoom_200")->trigger();  // each cell is outlined where it is drawn, at any zoom
  EXPECT_EQ(table->cellAt(8, 8)->rect(), QRect(rig.Find("Board")->mapToGlobal(QPoint(512, 512)), QSize(64, 64)));
  rig.Find<QAction>("zoom_100")->trigger();
  rig.Window().showMinimized();  // minimised, the game pauses until the player resumes
  rig.Window().showNormal();
  QAction* pause = rig.Find<QAction>("pause");
  EXPECT_TRUE(rig.Session().Paused() && pause->isChecked());
  EXPECT_EQ(table->cellAt(3, 4)->text(QAccessible::Name), "4行5列 一時停止中");
  pause->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.Window()));
  EXPECT_EQ(board->focusChild(), table->cellAt(2, 4)) << "the cursor cell has the focus";

  // A short game by keys: after each step the cursor cell's name, and what
  // the announcer took ("" for nothing).
  QWidget* window = &rig.Window();
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const auto announced = [&] {
    auto* announcer = rig.Find("Announcer");
    const QString said = announcer ? announcer->accessibleName() : QString();
    if (announcer) announcer->setAccessibleName({});
    return said;
  };
  const auto cursorCell = [&] {
    const Cell at = rig.Session().Cursor();
    return table->cellAt(at.Row, at.Column)->text(QAccessible::Name);
  };
  announced();
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, QString> steps[] = {
      {Qt::Key_7, {}, "3行5列 7", "3行5列 7"},
      {Qt::Key_Z, ctrl, "3行5列 空き", "元に戻す 3行5列 空き"},
      {Qt::Key_3, ctrl, "3行5列 空き メモ 3", "3行5列 空き メモ 3"},
      {Qt::Key_P, {}, "3行5列 一時停止中", "一時停止"},
      {Qt::Key_P, {}, "3行5列 空き メモ 3", "再開"},
  };
  for (const auto& [key, modifiers, cell, words] : steps) {
    QTest::keyClick(window, key, modifiers);
    EXPECT_EQ(cursorCell(), cell) << QKeySequence(key | modifiers).toString().toStdString();
    EXPECT_EQ(announced(), words) << QKeySequence(key | modifiers).toString().toStdString();
  }
  rig.Window().PickItem(Pick::Panel(4));
  EXPECT_EQ(announced(), "パネル 5");
  rig.Window().RightClickCell(1, 1);  // off the cursor, so announced
  EXPECT_EQ(announced(), "2行2列 空き メモ 5");
  rig.Window().ClickCell(0, 0);  // the cursor follows
  EXPECT_EQ(cursorCell(), announced());
  rig.Window().ClearPlacedPanels();
  EXPECT_EQ(announced(), "2マス");
  EXPECT_EQ(SpokenTime(59) + SpokenTime(60) + SpokenTime(kMaxShownMinutesSeconds), "59秒1分0秒99分59秒");
  GameSession& session = rig.Session();
  session.Execute(cmd::SelectLevel{kLevelCount - 1});
  session.Execute(cmd::NewGameOn{PuzzleWithOpenCells(27)});
  EXPECT_EQ(SpokenNews(cmd::NewGameOn{}, {.Cells = true}, session, BeforeCommand(session)), "新しいゲーム 名人");

  // Tab to the palette, the arrows along it (over a spent token), Space presses; Tab back.
  rig.Session().Execute(cmd::NewGameOn{PuzzleWithOpenCells(27)});
  rig.Window().PickItem(Pick::Hint(1));
  rig.Window().ClickCell(0, 0);
  QTest::keyClick(window, Qt::Key_Tab);
  const auto focused = [] { return QApplication::focusWidget()->objectName(); };
  EXPECT_EQ(focused(), "Picture1(0)");
  const std::pair<Qt::Key, QString> walk[] = {{Qt::Key_Left, "Picture3"}, {Qt::Key_Up, "Picture4(2)"},
                                              {Qt::Key_Up, "Picture4(0)"}};
  for (const auto& [key, name] : walk) {
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(focused(), name);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(rig.Session().Pointer(), Pick::Hint(0));
  QAccessibleInterface* token = QAccessible::queryAccessibleInterface(rig.Find("Picture4(0)"));
  EXPECT_TRUE(token->role() == QAccessible::RadioButton && token->state().checked);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(rig.Find("Picture4(1)"))->state().disabled) << "spent";
  EXPECT_EQ(QAccessible::queryAccessibleInterface(rig.Find("Picture3"))->role(), QAccessible::Button);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(focused(), "Board");
}

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
    const QImage unmarked = Shot(board);
    QTest::mouseClick(board, Qt::RightButton, {}, {3 * cell + 1, 6 * cell + 1});
    EXPECT_EQ(rig.Session().MarksShown({6, 3}), MarkBit(3));
    // The 3 is inked top right in its cell, where a 3 always stands, inside
    // the cursor's frame (a stroke and a band of a sixteenth of the cell,
    // and a stroke), and nowhere else.
    const QImage marked = Shot(board);
    const int frame = 2 * std::max(1, (cell + 16) / 32) + std::max(2, cell / 16);
    const int slot = (cell - 2 * frame) / 3, inset = (cell - 3 * slot + 1) / 2;
    QRect inked;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x)
        if (marked.pixel(x, y) != unmarked.pixel(x, y)) inked |= QRect(x, y, 1, 1);
    EXPECT_TRUE(QRect(3 * cell + inset + 2 * slot, 6 * cell + inset, slot, slot).contains(inked) && !inked.isEmpty());
    EXPECT_GE(inset, frame);
    // With nothing picked, the right button toggles the mark whose slot it hits.
    rig.Session().Execute(cmd::PutPickDown{});
    QTest::mouseClick(board, Qt::RightButton, {}, {3 * cell + inset + slot + slot / 2, 6 * cell + inset + 2 * slot + 1});
    EXPECT_EQ(rig.Session().MarksShown({6, 3}), MarkBit(3) | MarkBit(8));
    rig.Window().PickItem(Pick::Panel(2));
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
    const int band = side / 8 + 1, clear = side / 2 - band;
    for (const int top : {0, side / 2 + band})
      EXPECT_TRUE(SamePixels(finished.copy(0, top, side, clear), playing.copy(0, top, side, clear)));
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
