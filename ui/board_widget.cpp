#include "ui/board_widget.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/game_session.h"
#include "ui/images.h"

namespace lumitile {

BoardWidget::BoardWidget(const GameSession& game, const Images& images, QWidget* parent)
    : QWidget(parent), game_(game), images_(images) {
  // The main window sizes it for its zoom; this is its size at 100 %.
  resize(kBoardSize * kCellPixels, kBoardSize * kCellPixels);
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
  // Drawn in screen pixels from a whole-pixel corner, so at any screen scale
  // or zoom each cell is a whole number of pixels and every stroke of a kind
  // is as wide as the others.
  const qreal ratio = devicePixelRatioF();
  painter.scale(1 / ratio, 1 / ratio);
  const QTransform toScreen = painter.deviceTransform();
  painter.translate(std::round(toScreen.dx()) - toScreen.dx(), std::round(toScreen.dy()) - toScreen.dy());
  const int cell = qRound(contentsRect().width() * ratio) / kBoardSize;
  for (int row = 0; row < kBoardSize; ++row) {
    for (int column = 0; column < kBoardSize; ++column) {
      const QRect place(column * cell, row * cell, cell, cell);
      const CellView view = game_.CellAt({row, column});
      if (view.Kind == CellKind::Given) {
        painter.drawPixmap(place, images_.Given(view.Number));
        continue;
      }
      // A player's panel is a coloured digit on a transparent ground, so the
      // white cell shows around it.
      painter.drawPixmap(place, images_.Blank());
      if (view.Kind == CellKind::Placed) painter.drawPixmap(place, images_.Panel(view.Number));
    }
  }
  // One design pixel between cells, three between blocks (the last line of
  // one block and the first two of the next), each rounded to whole screen
  // pixels; the board's outer edge gets none.
  const qreal scale = static_cast<qreal>(cell) / kCellPixels;
  const auto pixels = [scale](int design) { return std::max(design, static_cast<int>(std::lround(design * scale))); };
  const int side = kBoardSize * cell;
  for (int k = 1; k < kBoardSize; ++k) {
    const bool block = k % 3 == 0;
    const int from = k * cell - (block ? pixels(1) : 0);
    const int width = block ? pixels(1) + pixels(2) : pixels(1);
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
