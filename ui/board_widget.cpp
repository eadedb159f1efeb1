#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/game_session.h"
#include "ui/accessibility.h"
#include "ui/images.h"

namespace lumitile {

BoardWidget::BoardWidget(const GameSession& game, const Images& images, QWidget* parent)
    : QWidget(parent), game_(game), images_(images) {
  // The main window sizes it for its zoom; this is its size at 100 %.
  resize(kBoardSize * kCellPixels, kBoardSize * kCellPixels);
  // Every pixel is painted on every paint, so Qt need not clear first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int BoardWidget::CellSide(qreal ratio) const { return qRound(contentsRect().width() * ratio) / kBoardSize; }

std::optional<Cell> BoardWidget::CellAt(QPoint pixel) const {
  const QRect board = contentsRect();
  const int cell = CellSide();
  if (!board.contains(pixel) || cell <= 0) return std::nullopt;
  const Cell at{(pixel.y() - board.top()) / cell, (pixel.x() - board.left()) / cell};
  return OnBoard(at) ? std::optional<Cell>(at) : std::nullopt;
}

QRect BoardWidget::CellRect(Cell cell) const {
  const int side = CellSide();
  return {contentsRect().topLeft() + QPoint(cell.Column * side, cell.Row * side), QSize(side, side)};
}

namespace {

const QColor kCoverGround(0, 0, 96);
const QColor kBandGround(0, 0, 0, 176);
const QColor kMarkInk(64, 64, 64);
const QColor kClashFrame(255, 0, 0);
const QColor kCursorOuter(0, 0, 160);
const QColor kFinishedInk(255, 255, 0);

// Large text across the middle of the board, on a dark band so it reads
// over panels of any colour.
void Announce(QPainter& painter, const QRect& board, const QString& text, const QColor& ink) {
  const QRect band(board.left(), board.center().y() - board.height() / 8, board.width(), board.height() / 4);
  painter.fillRect(band, kBandGround);
  QFont font = painter.font();
  font.setPixelSize(board.width() / 8);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(band, Qt::AlignCenter, text);
}

}  // namespace

void BoardWidget::ShowFinished(bool shown) {
  if (finished_ == shown) return;
  finished_ = shown;
  update();
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!game_.Dealt()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // Nothing of the board may show through while the clock is held.
  if (game_.Paused()) {
    painter.fillRect(rect(), kCoverGround);
  }
  // Drawn in screen pixels from a whole-pixel corner, so at any screen scale
  // or zoom each cell is a whole number of pixels and every stroke of a kind
  // is as wide as the others.
  const qreal ratio = devicePixelRatioF();
  painter.scale(1 / ratio, 1 / ratio);
  const QTransform toScreen = painter.deviceTransform();
  painter.translate(std::round(toScreen.dx()) - toScreen.dx(), std::round(toScreen.dy()) - toScreen.dy());
  const int cell = CellSide(ratio);
  const int side = kBoardSize * cell;
  if (game_.Paused()) {
    Announce(painter, QRect(0, 0, side, side), tr("一時停止中"), Qt::white);
    return;
  }
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
  PaintMarks(painter, cell);
  // One design pixel between cells, three between blocks (the last line of
  // one block and the first two of the next), each rounded to whole screen
  // pixels; the board's outer edge gets none.
  const qreal scale = static_cast<qreal>(cell) / kCellPixels;
  const auto pixels = [scale](int design) { return std::max(design, static_cast<int>(std::lround(design * scale))); };
  for (int k = 1; k < kBoardSize; ++k) {
    const bool block = k % 3 == 0;
    const int from = k * cell - (block ? pixels(1) : 0);
    const int width = block ? pixels(1) + pixels(2) : pixels(1);
    painter.fillRect(from, 0, width, side, Qt::black);
    painter.fillRect(0, from, side, width, Qt::black);
  }
  // Frames go inside the cell, clear of the grid strokes, as filled strips
  // so they stay whole pixels at any scale.
  const int thick = qMax(2, cell / 16);
  const auto frame = [&](Cell at, int inset, int width, const QColor& colour) {
    const QRect box(at.Column * cell + inset, at.Row * cell + inset, cell - 2 * inset, cell - 2 * inset);
    painter.fillRect(box.left(), box.top(), box.width(), width, colour);
    painter.fillRect(box.left(), box.bottom() - width + 1, box.width(), width, colour);
    painter.fillRect(box.left(), box.top(), width, box.height(), colour);
    painter.fillRect(box.right() - width + 1, box.top(), width, box.height(), colour);
  };
  const int line = pixels(1);  // one design pixel in screen pixels
  const CellSet clashes = game_.ShownClashes();
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    if (clashes[i]) frame({i / kBoardSize, i % kBoardSize}, thick / 2 + line, thick, kClashFrame);
  }
  if (game_.CursorShown()) {
    // Dark blue around white shows on the white ground, on every panel
    // colour and on the red of a clash.
    frame(game_.Cursor(), line, thick, kCursorOuter);
    frame(game_.Cursor(), line + thick, line, Qt::white);
  }
  if (finished_) Announce(painter, QRect(0, 0, side, side), tr("完成！"), kFinishedInk);
}

void BoardWidget::PaintMarks(QPainter& painter, int cell) {
  QFont font = painter.font();
  // A third of the cell each way; the digit fills most of its square.
  const int slot = cell / 3;
  font.setPixelSize(qMax(6, slot - 1));
  painter.setFont(font);
  painter.setPen(kMarkInk);
  for (int row = 0; row < kBoardSize; ++row) {
    for (int column = 0; column < kBoardSize; ++column) {
      const uint16_t marks = game_.MarksShown({row, column});
      if (marks == 0) continue;
      // 1 top-left, 2 top-middle ... 9 bottom-right, always in the same place.
      const int left = column * cell + (cell - 3 * slot + 1) / 2;
      const int top = row * cell + (cell - 3 * slot + 1) / 2;
      for (int n = 1; n <= 9; ++n) {
        if (!(marks & MarkBit(n))) continue;
        const QRect place(left + (n - 1) % 3 * slot, top + (n - 1) / 3 * slot, slot, slot);
        painter.drawText(place, Qt::AlignCenter, QString::number(n));
      }
    }
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QWidget::mousePressEvent(event);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  // The pixel under the pointer, not the nearest corner: a fractional
  // position on a scaled screen must not round into the next cell.
  const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
  if (event->button() == Qt::RightButton) {
    if (const auto cell = CellAt(at)) emit CellRightClicked(cell->Row, cell->Column);
    return;
  }
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  // A left click is judged where the button comes up, after a press anywhere on the board.
  const bool pressed = std::exchange(pressed_, false);
  if (const auto cell = CellAt(at); pressed && cell) emit CellClicked(cell->Row, cell->Column);
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // After Qt's own word that the board has the focus, so the cell's comes last.
  QMetaObject::invokeMethod(this, [this] { TellCursorFocused(this, game_.Cursor()); }, Qt::QueuedConnection);
}

}  // namespace lumitile
