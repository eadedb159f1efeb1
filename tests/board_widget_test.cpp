// The board as the player sees it: black before the first deal, the cell
// pictures, the grid strokes over them, and clicks judged where the button
// comes up.
#include <QSignalSpy>
#include <QTest>

#include "ui/board_widget.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

constexpr int kStrokeLines[] = {32, 64, 95, 96, 97, 128, 160, 191, 192, 193, 224, 256};

bool IsStrokeLine(int line) { return std::find(std::begin(kStrokeLines), std::end(kStrokeLines), line) != std::end(kStrokeLines); }

// Every given cell opened and emptied: the board shows white cells and strokes only.
void OpenEveryCell(GameController& game) {
  GameState& state = game.MutableState();
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      state.GivenGrid[r][c] = 0;
      state.EntryGrid[r][c] = 0;
    }
  }
}

std::pair<int, int> FirstOpenCell(const GameController& game) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (game.Cell(r, c).Kind != CellKind::Given) return {r, c};
    }
  }
  return {-1, -1};
}

}  // namespace

class BoardWidgetTest : public QObject {
  Q_OBJECT

 private:
  static BoardWidget* Board(ViewRig& rig) { return rig.window->findChild<BoardWidget*>("Board"); }
  static QImage Shot(ViewRig& rig) { return Pixels(Board(rig)->grab().toImage()); }
  static QImage Cell(const QImage& board, int row, int column) {
    return board.copy(column * 32, row * 32, 32, 32);
  }

 private slots:
  void blackBeforeTheFirstDeal() {
    ViewRig rig;
    const QImage board = Shot(rig);
    QCOMPARE(board.size(), QSize(288, 288));
    QImage black(board.size(), QImage::Format_ARGB32);
    black.fill(Qt::black);
    QVERIFY(board == black);
  }

  void strokesBetweenCellsAndHeavierBetweenBlocks() {
    ViewRig rig;
    rig.game.NewGame();
    OpenEveryCell(rig.game);
    const QImage board = Shot(rig);
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    // Every pixel line across and down, sampled where no stroke crosses it;
    // lines 0 and 287 are cell pixels, as the board has no frame.
    for (int line = 0; line < 288; ++line) {
      const QRgb expected = IsStrokeLine(line) ? black : white;
      for (int along = 3; along < 288; along += 7) {
        if (IsStrokeLine(along)) continue;
        QCOMPARE(board.pixel(line, along), expected);
        QCOMPARE(board.pixel(along, line), expected);
      }
    }
  }

  void cellPictures() {
    ViewRig rig;
    rig.game.NewGame();
    OpenEveryCell(rig.game);
    GameState& state = rig.game.MutableState();
    state.GivenGrid[0][0] = 3;
    state.SolutionGrid[0][0] = 3;
    state.EntryGrid[0][1] = 5;  // cell (0,1) spans x 32..63; its column 32 is a stroke
    QImage board = Shot(rig);
    QVERIFY(Cell(board, 0, 0) == Pixels(rig.images.Given(3)));
    const QImage placed = OnWhite(rig.images.Panel(5));
    QVERIFY(board.copy(33, 0, 31, 31) == placed.copy(1, 0, 31, 31));
    QVERIFY2(placed.pixel(16, 16) != qRgb(255, 255, 255), "the panel shows on the cell");

    // Erasing through the controller leaves the cell white again.
    rig.game.PickEraser();
    rig.game.ClickBoard(40, 10);
    board = Shot(rig);
    QImage white(31, 31, QImage::Format_ARGB32);
    white.fill(Qt::white);
    QVERIFY(board.copy(33, 0, 31, 31) == white);
  }

  void clearingRestoresTheDealtBoard() {
    ViewRig rig;
    rig.game.NewGame();
    const QImage dealt = Shot(rig);
    int placed = 0;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (rig.game.Cell(r, c).Kind != CellKind::Empty) continue;
        rig.game.PickPanel(static_cast<int16_t>((r + c) % 9));
        rig.game.ClickBoard(c * 32 + 16, r * 32 + 16);
        ++placed;
      }
    }
    QVERIFY(placed > 0);
    QVERIFY(Shot(rig) != dealt);
    rig.window->SetClearQuestion([](QWidget*) { return true; });
    rig.window->ClearPlacedPanels();
    QVERIFY(Shot(rig) == dealt);
  }

  void clickIsJudgedWhereTheButtonComesUp() {
    ViewRig rig;
    rig.game.NewGame();
    BoardWidget* board = Board(rig);
    QSignalSpy clicks(board, &BoardWidget::Clicked);

    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(200, 100));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0), (QVariantList{200, 100}));

    // A release without a press on the board, or of another button, is no click.
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseClick(board, Qt::RightButton, {}, QPoint(40, 40));
    QCOMPARE(clicks.count(), 1);

    // The click reaches the game: a picked panel lands on the open cell.
    const auto [row, column] = FirstOpenCell(rig.game);
    QVERIFY(row >= 0);
    rig.game.PickPanel(6);
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(column * 32 + 31, row * 32 + 31));
    QCOMPARE(rig.game.Cell(row, column), (CellView{CellKind::Placed, 7}));
  }
};

}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::BoardWidgetTest)
#include "board_widget_test.moc"
