// A whole evening's play through the real windows and the real settings
// file: start-up with nothing stored, a seeded deal played by keys alone,
// the solve, the name typed into the entry, the table, clearing it, and the
// bytes on disk at every step; and a game kept across a restart, one copy's.
#include <gtest/gtest.h>

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "core/puzzle/puzzle_line.h"
#include "core/records/ini_profile.h"
#include "core/records/kept_game_file.h"
#include "support/game_rig.h"
#include "ui/puzzle_words.h"

namespace lumitile {
namespace {

// The real settings file in a folder of its own, with nothing stored yet.
struct RealFile {
  std::string Bytes() const { return testing::FileBytes(folder.filePath("lumitile.ini").toStdString()); }
  QTemporaryDir config, folder;
  bool userFolderSet = qputenv("XDG_CONFIG_HOME", config.path().toUtf8());  // before the file is looked for
  IniProfile profile{ProgramPlace{folder.path().toStdString(), "lumitile"}};
};

TEST(WholeGame, PlayedByKeysFromTheFirstStartToARecordOnDiskAndBack) {
  RealFile disk;
  testing::GameRig rig(&disk.profile, 77);
  rig.realQuestions = true;
  rig.game.Show();
  EXPECT_EQ(disk.Bytes(), testing::Golden("first_run.ini"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.Window()));
  AuxiliaryWindows& side = rig.Window().SideWindows();
  const auto key = [&](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(code), modifiers);
  };
  Cell at;
  const auto go = [&](Cell to) {
    for (; at.Row != to.Row; at.Row = (at.Row + 1) % 9) key(Qt::Key_Down);
    for (; at.Column != to.Column; at.Column = (at.Column + 1) % 9) key(Qt::Key_Right);  // round the right edge
  };
  const auto number = [&](Cell cell) { return rig.Session().CurrentBoard().SolutionAt(cell); };
  const auto open = rig.OpenCells();
  go(open[0]);
  key(Qt::Key_1 + number(open[0]) % 9);  // a wrong number, taken back
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rig.Session().CellAt(open[0]).Kind, CellKind::Empty);
  key(Qt::Key_0 + number(open[0]), Qt::ControlModifier);
  EXPECT_EQ(rig.Session().MarksShown(open[0]), MarkBit(number(open[0])));
  key(Qt::Key_P);
  EXPECT_TRUE(rig.Find<QAction>("pause")->isChecked());
  key(Qt::Key_P);
  for (const Cell cell : open) {
    go(cell);
    if (cell == open.back()) rig.ticks.AdvanceSeconds(42);
    key(Qt::Key_0 + number(cell));
  }
  EXPECT_EQ(rig.sounds.played.back(), Sound::Solved);
  EXPECT_EQ(rig.sounds.played.size(), open.size() + 1) << "one sound a key: the wrong number, the cells, the solve";

  QWidget* entry = side.RecordEntry();
  ASSERT_TRUE(entry && entry->isVisible());
  auto* text = entry->findChild<QLineEdit*>("Text1");
  text->selectAll();
  QInputMethodEvent typing;  // Japanese arrives from the input method, not as keys
  typing.setCommitString(QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"));
  QApplication::sendEvent(text, &typing);
  QTest::mouseClick(entry->findChild<QWidget*>("Command1"), Qt::LeftButton);
  QWidget* table = side.BestTimes();
  ASSERT_TRUE(table && table->isVisible());
  EXPECT_EQ(table->findChild<QLabel*>("Label3(0)")->text(), "42");
  EXPECT_EQ(table->findChild<QLabel*>("Label8(0)")->toolTip(), "あいうえおかきくけこさしすせそたちつてと");
  EXPECT_EQ(disk.Bytes(), testing::Golden("after_record.ini"));
  table->close();

  rig.Find<QAction>("hi_game")->trigger();
  rig.Window().NewGame();
  rig.ticks.AdvanceSeconds(5);
  const std::string before = disk.Bytes();
  testing::AnswerNextMessageBox(QMessageBox::Cancel);
  rig.Find<QAction>("mn_HiScClr")->trigger();
  EXPECT_EQ(disk.Bytes(), before);
  testing::AnswerNextMessageBox(QMessageBox::Ok);
  rig.Find<QAction>("mn_HiScClr")->trigger();
  EXPECT_EQ(disk.Bytes(), testing::Golden("first_run.ini")) << "a cleared table is a first start's";
  EXPECT_TRUE(rig.Find<QAction>("beg_game")->isChecked() && rig.Session().ClockRunning());
  EXPECT_EQ(rig.Session().ElapsedSeconds(), 5);
  rig.Window().close();
}

// A puzzle from outside through the window's own ways in: the dealt one
// copied and pasted back as the same puzzle, played to its solve with no
// record asked and the file untouched; then one set on the board by keys and
// started with Enter; a file's first puzzle refused and its next declined.
TEST(WholeGame, APuzzleFromOutsideIsCheckedPlayedAndNeverTimedForTheTable) {
  RealFile disk;
  testing::GameRig rig(&disk.profile, 77);
  rig.game.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.Window()));
  const auto key = [&](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(code), modifiers);
  };
  const auto givens = [&] { return PuzzleLine(rig.Session().PuzzleGivens()); };
  const std::string dealt = givens();
  key(Qt::Key_C, Qt::ControlModifier);
  rig.Window().NewGame();
  const std::string before = disk.Bytes();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(QStringList({"PuzzleCheckedNotice", "SeveralSolutionsQuestion"}).contains(rig.asked.takeLast()));
  EXPECT_EQ(givens(), dealt);
  EXPECT_EQ(rig.Window().windowTitle(), WindowTitleFor(GameKind::kEntered, false));
  for (const Cell cell : rig.OpenCells()) {
    rig.Window().PickItem(Pick::Panel(rig.Session().CurrentBoard().SolutionAt(cell) - 1));
    rig.ClickCell(cell);
  }
  EXPECT_EQ(rig.sounds.played.back(), Sound::Solved);
  EXPECT_TRUE(rig.asked.isEmpty() && !rig.Window().SideWindows().RecordEntry());
  EXPECT_EQ(disk.Bytes(), before);

  rig.Find<QAction>("enter_puzzle")->trigger();
  EXPECT_EQ(rig.Window().windowTitle(), WindowTitleFor(GameKind::kEntered, true));
  for (int cell = 0; cell < 81; ++cell) {  // the cursor wraps round each row, then goes down
    if (cell > 0) key(Qt::Key_0 + testing::kSolution[static_cast<std::size_t>(cell)] - '0');
    key(Qt::Key_Right);
    if (cell % 9 == 8) key(Qt::Key_Down);
  }
  key(Qt::Key_Enter);
  EXPECT_EQ(rig.asked.takeLast(), "PuzzleCheckedNotice");
  EXPECT_EQ(givens(), "." + testing::kSolution.substr(1));
  EXPECT_FALSE(rig.Session().Entering());

  rig.Window().OfferPuzzles({"12x", std::string(81, '.')});
  EXPECT_EQ(rig.asked.takeLast(), "PuzzleTextNotice");
  rig.answer = false;
  rig.Find<QAction>("next_puzzle")->trigger();
  EXPECT_EQ(rig.asked.takeLast(), "SeveralSolutionsQuestion");
  EXPECT_TRUE(givens() == "." + testing::kSolution.substr(1) && !rig.Find<QAction>("next_puzzle")->isEnabled())
      << "declined: the game on the board stays";
  rig.Window().close();
}

TEST(WholeGame, ARestartGoesOnWithTheKeptGameWhichASecondCopyLeavesAlone) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("lumitile.sav").toStdString();
  KeptGameFile kept(path);
  Board played;
  {
    testing::GameRig rig(nullptr, 5, {}, &kept);
    rig.game.Show();
    const auto open = rig.OpenCells();
    rig.Click("Picture1(2)");
    QTest::mouseClick(rig.Find("Board"), Qt::RightButton, {}, {open[0].Column * 32 + 16, open[0].Row * 32 + 16});
    // A number placed in a peer would strike the mark: one well away from it.
    rig.ClickCell(*std::ranges::find_if(open, [&](Cell cell) {
      return cell.Row != open[0].Row && cell.Column != open[0].Column && cell.Row / 3 != open[0].Row / 3;
    }));
    rig.ticks.AdvanceSeconds(75);
    played = rig.Session().CurrentBoard();
    rig.Find<QAction>("end_app")->trigger();
  }
  testing::GameRig again(nullptr, 6, {}, &kept);
  again.game.Show();
  const Board& board = again.Session().CurrentBoard();
  EXPECT_EQ(std::tie(board.Givens, board.Entries, board.Marks), std::tie(played.Givens, played.Entries, played.Marks));
  EXPECT_NE(board.Marks, MarkGrid{}) << "the mark went in";
  EXPECT_EQ(again.Session().ElapsedSeconds(), 75);
  EXPECT_TRUE(again.Session().ClockRunning());

  // A second copy on the same folder plays a fresh game and writes nothing.
  const std::string first = testing::FileBytes(path);
  {
    KeptGameFile sameFile(path);
    testing::GameRig second(nullptr, 6, {}, &sameFile);
    second.game.Show();
    EXPECT_EQ(second.Session().ElapsedSeconds(), 0);
    second.SolveOneCellIn(3);
    second.Session().Execute(cmd::NewGame{});
    second.Window().close();
    EXPECT_TRUE(second.asked.isEmpty()) << "nothing to tell: its game is simply not kept";
  }
  EXPECT_EQ(testing::FileBytes(path), first);
  again.SolveOneCellIn(3);
  again.Window().close();
  EXPECT_FALSE(std::filesystem::exists(path)) << "a solved game leaves none to go on with";
}

// A keep that fails is told once for its cause, naming the kept game's file.
TEST(WholeGame, AKeepThatFailsIsToldOnceWithTheKeptGamesPath) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("lumitile.sav").toStdString();
  std::filesystem::create_directory(path);
  KeptGameFile kept(path);
  testing::GameRig rig(nullptr, 5, {}, &kept);
  rig.game.Show();
  rig.Click("Picture1(2)");
  rig.ClickCell(rig.OpenCells()[0]);
  rig.Find<QAction>("end_app")->trigger();
  QCoreApplication::processEvents();  // the writer's own reports of the same cause
  EXPECT_EQ(rig.asked, QStringList{"CannotSaveNotice"});
  EXPECT_EQ(rig.told, QStringLiteral("遊んでいるゲームを保存できませんでした。\n途中のゲームのファイルの場所にファイルでないものがあります。\n") +
                          QString::fromStdString(path));
}

}  // namespace
}  // namespace lumitile
