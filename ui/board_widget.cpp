#include "ui/board_widget.h"

#include <QPainter>

#include "core/game_session.h"
#include "ui/images.h"

namespace lumitile {

BoardWidget::BoardWidget(const GameSession& game, const Images& images, QWidget* parent)
    : QWidget(parent), game_(game), images_(images) {
  setFixedSize(kBoardSize * kCellPixels, kBoardSize * kCellPixels);
  // Every pixel is painted on every paint, so Qt need not clear first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

std::optional<Cell> BoardWidget::CellAt(QPoint pixel) const {
  const QRect board = contentsRect();
  const int cell = board.width() / kBoardSize;
  if (!board.contains(pixel) || cell <= 0) return std::nullopt;
  const Cell at{(pixel.y() - board.top()) / cell, (pixel.x() - board.left()) / cell};
  return OnBoard(at) ? std::optional<Cell>(at) : std::nullopt;
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!game_.Dealt()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const int cell = contentsRect().width() / kBoardSize;
  for (int row = 0; row < kBoardSize; ++row) {
    for (int column = 0; column < kBoardSize; ++column) {
      const QPoint corner(column * cell, row * cell);
      const CellView view = game_.CellAt({row, column});
      if (view.Kind == CellKind::Given) {
        painter.drawPixmap(corner, images_.Given(view.Number));
        continue;
      }
      // A player's panel is a coloured digit on a transparent ground, so the
      // white cell shows around it.
      painter.drawPixmap(corner, images_.Blank());
      if (view.Kind == CellKind::Placed) painter.drawPixmap(corner, images_.Panel(view.Number));
    }
  }
  // One pixel line between cells, three between blocks (the last line of
  // one block and the first two of the next); the board's outer edge gets none.
  const int side = kBoardSize * cell;
  for (int k = 1; k < kBoardSize; ++k) {
    const bool block = k % 3 == 0;
    const int from = k * cell - (block ? 1 : 0);
    const int width = block ? 3 : 1;
    painter.fillRect(from, 0, width, side, Qt::black);
    painter.fillRect(0, from, side, width, Qt::black);
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  click_.Press(event);
  QWidget::mousePressEvent(event);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const auto at = click_.Release(event, rect());
  if (!at) return;
  if (const auto cell = CellAt(*at)) emit CellClicked(cell->Row, cell->Column);
}

}  // namespace lumitile
