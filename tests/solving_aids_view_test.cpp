// The solving aids on the board: with every aid off the board is painted
// exactly as before them, each aid changes the cells it must and no other,
// the next step is told on the board and to screen readers, and every
// two-toned mark stands out from every tile and ground it can sit on.
#include <gtest/gtest.h>

#include <QAction>
#include <set>

#include "support/game_rig.h"
#include "ui/aid_look.h"
#include "ui/board_widget.h"
#include "ui/images.h"
#include "ui/picture_box.h"
#include "ui/step_text.h"

namespace lumitile {
namespace {

using namespace testing;

// Six cells open, each fixed by its row: a right 1 at (0, 0), a wrong 5
// beside it, a wrong 1 below it clashing with it, marks 1 and 5 at (2, 2),
// and (0, 4) and (1, 5) empty.
Board AidsBoard() {
  Board board = PuzzleWithOpenCells(0);
  for (const Cell open : {Cell{0, 0}, Cell{0, 1}, Cell{1, 0}, Cell{2, 2}, Cell{0, 4}, Cell{1, 5}})
    board.Givens[open.Row][open.Column] = 0;
  board.Entries[0][0] = 1;
  board.Entries[0][1] = 5;
  board.Entries[1][0] = 1;
  board.Marks[2][2] = MarkBit(1) | MarkBit(5);
  return board;
}

// The board as the player has it before the aids: clashes shown, the
// cursor out on a clash, at 100 % and at 200 % (where every picture is
// drawn at its own size, so the bytes hold on any processor). Marks are
// left out: they moved inside the cursor's frame.
TEST(AidsView, WithEveryAidOffTheBoardIsPaintedAsBefore) {
  for (const int percent : {100, 200}) {
    GameRig rig;
    GameSession& game = rig.Session();
    Board board = AidsBoard();
    board.Marks = {};
    game.Execute(cmd::NewGameOn{board});
    game.Execute(cmd::ShowDuplicates{true});
    game.Execute(cmd::MoveCursor{1, 0});
    rig.Window().SetZoom(percent);
    const QString golden = QStringLiteral(LUMITILE_TESTS_DIR "/golden/board_%1.png").arg(percent);
    EXPECT_TRUE(SamePixels(Shot(rig.Find("Board")), QImage(golden))) << percent;
  }
}

// Each aid against the board without it, cell by cell.
TEST(AidsView, EachAidChangesTheCellsItMustAndNoOther) {
  GameRig rig;
  GameSession& game = rig.Session();
  game.Execute(cmd::NewGameOn{AidsBoard()});
  game.Execute(cmd::ApplyPick{{0, 0}});  // the cursor to (0, 0), still hidden
  auto* board = rig.Find<BoardWidget>("Board");
  const QImage before = Shot(board);
  const auto changed = [&](const QImage& now, Cell cell) {
    const QRect place(cell.Column * 32, cell.Row * 32, 32, 32);
    return now.copy(place) != before.copy(place);
  };
  const auto menu = [&](const char* entry) { rig.Find<QAction>(entry)->trigger(); };
  struct Case {
    const char* what;
    std::function<void()> on, off;
    std::vector<Cell> change, stay;
  };
  const Case cases[] = {
      // The cursor's row, column and block, the 1s (the given at (3, 8)
      // too) and the 1 among the marks; given tiles keep their colours.
      {"highlight", [&] { menu("highlight"); }, [&] { menu("highlight"); },
       {{0, 4}, {2, 2}, {1, 0}, {3, 8}}, {{4, 4}, {1, 5}, {8, 0}}},
      // The two wrong panels; the right 1 stays as it was.
      {"mistakes", [&] { menu("show_mistakes"); }, [&] { menu("show_mistakes"); },
       {{0, 1}, {1, 0}}, {{0, 0}, {2, 2}, {4, 4}}},
      // Shift+H: the first wrong panel pointed at, and the band along the
      // foot of the board, away from it.
      {"next step", [&] { QTest::keyClick(board, Qt::Key_H, Qt::ShiftModifier); },
       [&] {
         rig.Window().RightClickCell(1, 5, 1);
         QTest::keyClick(board, Qt::Key_Z, Qt::ControlModifier);
       },
       {{0, 1}, {8, 4}}, {{0, 0}, {4, 4}}},
  };
  for (const Case& c : cases) {
    c.on();
    const QImage on = Shot(board);
    for (const Cell cell : c.change) EXPECT_TRUE(changed(on, cell)) << c.what << " " << cell.Row << "," << cell.Column;
    for (const Cell cell : c.stay) EXPECT_FALSE(changed(on, cell)) << c.what << " " << cell.Row << "," << cell.Column;
    if (std::string(c.what) == "next step") {
      EXPECT_EQ(board->accessibleDescription(), board->StepSentence());
      EXPECT_TRUE(board->StepSentence().startsWith(QStringLiteral("1行2列"))) << board->StepSentence().toStdString();
    }
    c.off();
    EXPECT_TRUE(SamePixels(Shot(board), before)) << c.what << " off again";
  }
  EXPECT_TRUE(board->accessibleDescription().isEmpty()) << "the step went with the next move";

  // The cursor out on the clashing 1 at (1, 0): the clash's maroon just
  // inside the cursor's blue, both in sight.
  game.Execute(cmd::ShowDuplicates{true});
  game.Execute(cmd::MoveCursor{1, 0});
  menu("show_mistakes");
  const QImage cursorOnClash = Shot(board);
  EXPECT_EQ(cursorOnClash.pixel(1, 32 + 16), qRgb(0, 0, 160));
  EXPECT_EQ(cursorOnClash.pixel(4, 32 + 16), aids::kWarning.Dark.rgb());
  menu("show_mistakes");

  // A number standing nine times: its palette panel done while highlighting.
  game.Execute(cmd::NewGameOn{PuzzleWithOpenCells(1)});
  menu("highlight");
  EXPECT_FALSE(rig.Find<PictureBox>("Picture1(0)")->Done());
  EXPECT_TRUE(rig.Find<PictureBox>("Picture1(1)")->Done());
  EXPECT_FALSE(rig.Find<PictureBox>("Picture1(1)")->accessibleDescription().isEmpty());
  menu("highlight");
  EXPECT_FALSE(rig.Find<PictureBox>("Picture1(1)")->Done());
}

// Every two-toned mark against every pixel of every given tile, of the
// white cell and of the aids' grounds: one band at 3:1 or better. The
// highlighted marks' disc against the grounds it sits on, and its digit.
TEST(AidsView, EveryMarkReadsOnEveryTileAndGround) {
  GameRig rig;
  std::vector<QColor> grounds{Qt::white, aids::kCursorLines, aids::kStepUnits};
  for (int n = 1; n <= 9; ++n) {
    const QImage tile = Pixels(rig.game.Pictures().Given(n));
    for (int y = 0; y < tile.height(); ++y)
      for (int x = 0; x < tile.width(); ++x) grounds.push_back(QColor::fromRgba(tile.pixel(x, y)));
  }
  for (const aids::TwoTone& mark :
       {aids::kWarning, aids::kSameNumber, aids::kStepPattern, aids::kStepSecondary, aids::kStepTarget}) {
    for (const QColor& ground : grounds) ASSERT_GE(aids::Contrast(mark, ground), 3.0) << ground.name().toStdString();
  }
  for (const QColor& ground : {QColor(Qt::white), aids::kCursorLines, aids::kStepUnits, QColor(Qt::white)})
    EXPECT_GE(aids::Contrast(aids::kMarkDisc, ground), 3.0);
}

// Every technique the solver knows is named, each by a name of its own, and
// told in a sentence that names it, in both languages (a technique left
// out of the words fails to build).
TEST(StepText, EveryTechniqueIsNamedAndToldInBothLanguages) {
  for (const Language language : {Language::kJapanese, Language::kEnglish}) {
    const SpokenLanguage spoken(language);
    std::set<QString> names;
    for (int technique = 0; technique < kTechniqueCount; ++technique) {
      const QString name = StepText::TechniqueName(static_cast<Technique>(technique));
      EXPECT_TRUE(names.insert(name).second && !name.isEmpty()) << technique;
      NextStepHelp help{.What = NextStepHelp::Kind::Deduction};
      help.Found = {.technique = static_cast<Technique>(technique), .digits = 0b11, .cell = 40, .digit = 1,
                    .units = 1u << 0 | 1u << 4, .coverUnits = 1u << 9 | 1u << 13};
      help.Found.pattern.set(3).set(60);
      help.Found.secondary.set(5);
      const QString sentence = StepText::Sentence(help, true);
      EXPECT_TRUE(sentence.contains(name)) << sentence.toStdString();
      EXPECT_FALSE(language == Language::kEnglish && HasJapanese(sentence)) << sentence.toStdString();
    }
  }
}

}  // namespace
}  // namespace lumitile
