// The board: 9 x 9 cells painted from the game session on every paint, with
// the grid strokes, pencil marks, clash frames and the keyboard's cursor
// over them, or the pause cover instead. It keeps no picture of its own and
// holds no rule; it owns its geometry and turns a finished left click or a
// right click into a cell.
#pragma once

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

  const GameSession& Game() const { return game_; }

  // 完成！ over the board, while a solve without a record is announced.
  void ShowFinished(bool shown);
  bool FinishedShown() const { return finished_; }

 signals:
  void CellClicked(int row, int column);
  void CellRightClicked(int row, int column);

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
  void PaintMarks(QPainter& painter, int cell);

  const GameSession& game_;
  const Images& images_;
  bool pressed_ = false;  // the left button went down on the board
  bool finished_ = false;
};

}  // namespace lumitile
