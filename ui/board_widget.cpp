#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <array>

#include "core/board_geometry.h"
#include "ui/images.h"
#include "core/game_controller.h"

namespace lumitile {

namespace {

// Where each grid stroke starts and how many pixel lines it covers, the same
// across and down: one line between cells, three between blocks (the last
// line of one block and the first two of the next). The board's outer edge
// gets none.
struct Stroke {
  int from;
  int width;
};
constexpr std::array<Stroke, 8> kStrokes{{{32, 1}, {64, 1}, {95, 3}, {128, 1},
                                          {160, 1}, {191, 3}, {224, 1}, {256, 1}}};

}  // namespace

BoardWidget::BoardWidget(const GameController& game, const Images& images, QWidget* parent)
    : QWidget(parent), game_(game), images_(images) {
  setFixedSize(kBoardPixels, kBoardPixels);
  // Every pixel is painted on every paint, so Qt need not clear first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!game_.Dealt()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const QPoint corner(column * kCellPixels, row * kCellPixels);
      const CellView cell = game_.Cell(row, column);
      if (cell.Kind == CellKind::Given) {
        painter.drawPixmap(corner, images_.Given(cell.Number));
        continue;
      }
      // A player's panel is a coloured digit on a transparent ground, so the
      // white cell shows around it.
      painter.drawPixmap(corner, images_.Blank());
      if (cell.Kind == CellKind::Placed) painter.drawPixmap(corner, images_.Panel(cell.Number));
    }
  }
  for (const Stroke& stroke : kStrokes) {
    painter.fillRect(stroke.from, 0, stroke.width, kBoardPixels, Qt::black);
    painter.fillRect(0, stroke.from, kBoardPixels, stroke.width, Qt::black);
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  QWidget::mousePressEvent(event);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool pressedHere = leftPressed_;
  leftPressed_ = false;
  // The pixel under the pointer, not the nearest corner: a fractional position
  // on a scaled screen must not round into the next cell.
  const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
  // Like any click, it counts only when the button comes up where it went down.
  if (pressedHere && rect().contains(at)) emit Clicked(at.x(), at.y());
}

}  // namespace lumitile
