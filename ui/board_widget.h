// The board: 9 x 9 cells painted from the game session on every paint, with
// the grid strokes, pencil marks, clash frames, the keyboard's cursor and
// the solving aids' marks (highlight, mistakes, the next step and its band)
// over them, or the pause cover instead. It keeps no picture of its own and
// holds no rule; it owns its geometry and turns a finished left click or a
// right click into a cell (and the mark slot it hit).
#pragma once

#include <QFont>
#include <array>
#include <QWidget>
#include <optional>

#include "core/game_types.h"

class QPainter;

namespace lumitile {

class GameSession;
class Images;

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellPixels = 32;

  BoardWidget(const GameSession& game, const Images& images, QWidget* parent = nullptr);

  // The cell under pixel (x, y) of the widget. A point on the boundary
  // between two cells belongs to the right or lower one.
  std::optional<Cell> CellAt(QPoint pixel) const;
  // Where a cell lies in the widget at its present size: CellAt's inverse,
  // so what a screen reader outlines is what a click hits.
  QRect CellRect(Cell cell) const;
  // The pencil mark (1..9) whose slot of the cell's 3 x 3 grid is under the pixel.
  std::optional<int> MarkAt(QPoint pixel) const;

  const GameSession& Game() const { return game_; }

  // The next step told as the band over the board says it; empty when none shows.
  QString StepSentence() const;

  // 完成！ over the board, while a solve without a record is announced.
  void ShowFinished(bool shown);
  bool FinishedShown() const { return finished_; }

 signals:
  void CellClicked(int row, int column);
  // mark: the slot of the cell's mark grid under the pointer, 1..9.
  void CellRightClicked(int row, int column, int mark);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Tabbed back to, the board tells a reader its cursor cell at once.
  void focusInEvent(QFocusEvent* event) override;

 private:
  // A cell's side in whole pixels of a device with this many pixels to one
  // of the widget's, so the painting and the hit test split the board alike.
  int CellSide(qreal ratio = 1) const;
  // Where mark `number` goes in a cell of side `cell` whose outer `clear`
  // pixels the cursor's frame takes, from the cell's corner.
  static QRect MarkSlot(int cell, int clear, int number);
  // standOut: the numbers (MarkBit) whose marks the highlight shows on a disc.
  // struck: per cell, the marks the next step takes off (MarkBit), drawn struck through.
  void PaintMarks(QPainter& painter, int cell, int clear, uint16_t standOut, const std::array<uint16_t, 81>& struck);
  static void Strike(QPainter& painter, const QRect& inside, int thick, int line);
  static void Corners(QPainter& painter, const QRect& place, int clear, int thick, int line);
  // The next step's sentence on a band along the edge of the board away from its cells.
  void PaintStepBand(QPainter& painter, int cell, int focusRow);

  const GameSession& game_;
  const Images& images_;
  bool pressed_ = false;  // the left button went down on the board
  bool finished_ = false;
  QFont markFont_;
  int markFontFor_ = 0;  // the slot height markFont_ was fitted to
};

}  // namespace lumitile
