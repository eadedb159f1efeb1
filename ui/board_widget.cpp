#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

#include "core/game_session.h"
#include "ui/accessibility.h"
#include "ui/aid_look.h"
#include "ui/images.h"
#include "ui/step_text.h"

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
  const Highlight highlight = game_.Highlights();
  // The next step told: its units tinted, its cells framed, the marks it strikes struck.
  const NextStepHelp* told = game_.ShownStep();
  CellSet stepUnits, stepPattern, stepSecondary, stepTargets;
  std::array<uint16_t, 81> struck{};
  int focusRow = 0;
  if (told && told->What == NextStepHelp::Kind::Deduction) {
    const Step& step = told->Found;
    for (UnitSet units = step.units | step.coverUnits; units != 0; units &= units - 1)
      stepUnits |= CellsOfUnit(std::countr_zero(units));
    stepPattern = step.pattern;
    stepSecondary = step.secondary;
    stepTargets = step.Targets();
    for (std::size_t i = 0; i < 81; ++i) struck[i] = static_cast<uint16_t>(step.eliminations[i] << 1);
    for (int i = 0; i < 81; ++i) {
      if (stepTargets[static_cast<std::size_t>(i)]) {
        focusRow = i / kBoardSize;
        break;
      }
    }
  } else if (told && told->What == NextStepHelp::Kind::WrongPanel) {
    stepTargets.set(static_cast<std::size_t>(told->Wrong.Row * kBoardSize + told->Wrong.Column));
    focusRow = told->Wrong.Row;
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
      // white cell (or the highlight's tint) shows around it.
      if (stepUnits[static_cast<std::size_t>(row * kBoardSize + column)]) {
        painter.fillRect(place, aids::kStepUnits);
      } else if (highlight.Tinted[static_cast<std::size_t>(row * kBoardSize + column)]) {
        painter.fillRect(place, aids::kCursorLines);
      } else {
        painter.drawPixmap(place, images_.Blank());
      }
      if (view.Kind == CellKind::Placed) painter.drawPixmap(place, images_.Panel(view.Number));
    }
  }
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
  // The marks keep inside the cursor's frame, wherever it goes.
  const int clear = line + thick + line;
  PaintMarks(painter, cell, clear, highlight.Numbers, struck);
  const CellSet clashes = game_.ShownClashes();
  // While mistakes are shown, clashes are marked as they are, above the cursor.
  const bool warnings = game_.ShowingMistakes();
  for (int i = 0; i < kBoardSize * kBoardSize && !warnings; ++i) {
    if (clashes[i]) frame({i / kBoardSize, i % kBoardSize}, thick / 2 + line, thick, kClashFrame);
  }
  // Two-toned frames, the dark band outside the white: one of them reads on
  // any tile. The step's go where the cursor's does, clear of the marks,
  // under the cursor; the warnings just inside it, above it.
  const auto twoTone = [&](Cell at, int inset, const aids::TwoTone& colours) {
    frame(at, inset, thick, colours.Dark);
    frame(at, inset + thick, line, colours.Light);
  };
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    const Cell at{i / kBoardSize, i % kBoardSize};
    if (stepPattern[i]) twoTone(at, line, aids::kStepPattern);
    if (stepSecondary[i]) twoTone(at, line, aids::kStepSecondary);
    if (stepTargets[i]) twoTone(at, line, aids::kStepTarget);
  }
  if (game_.CursorShown()) {
    // Dark blue around white shows on the white ground, on every panel
    // colour and on the red of a clash.
    frame(game_.Cursor(), line, thick, kCursorOuter);
    frame(game_.Cursor(), line + thick, line, Qt::white);
  }
  const CellSet mistakes = game_.ShownMistakes();
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    const Cell at{i / kBoardSize, i % kBoardSize};
    const QRect place(at.Column * cell, at.Row * cell, cell, cell);
    if (warnings && clashes[i]) twoTone(at, clear, aids::kWarning);
    if (mistakes[i]) Strike(painter, place.adjusted(clear, clear, -clear, -clear), thick, line);
    if (highlight.SameNumber[i]) Corners(painter, place, clear, thick, line);
  }
  if (told) PaintStepBand(painter, cell, focusRow);
  if (finished_) Announce(painter, QRect(0, 0, side, side), tr("完成！"), kFinishedInk);
}

QString BoardWidget::StepSentence() const {
  const NextStepHelp* told = game_.ShownStep();
  if (!told) return {};
  bool hintsLeft = false;
  for (int i = 0; i < kHintCount; ++i) hintsLeft |= game_.HintVisible(i);
  return StepText::Sentence(*told, hintsLeft);
}

void BoardWidget::PaintStepBand(QPainter& painter, int cell, int focusRow) {
  // White on near-black at two fifths of a cell (13 pixels at 100 %): as
  // readable at every zoom as the board itself. It keeps to the half of the
  // board away from the cells the step is about.
  QFont font = painter.font();
  font.setBold(false);
  font.setPixelSize(std::max(12, cell * 2 / 5));
  painter.setFont(font);
  const int side = kBoardSize * cell;
  const int pad = std::max(2, cell / 8);
  const QRect room(pad, 0, side - 2 * pad, side / 2);
  const QString text = StepSentence();
  const QRect needed = painter.fontMetrics().boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft, text);
  const int height = std::min(side / 2, needed.height() + 2 * pad);
  const QRect band(0, focusRow >= kBoardSize / 2 ? 0 : side - height, side, height);
  painter.fillRect(band, kBandGround);
  painter.setPen(Qt::white);
  painter.drawText(band.adjusted(pad, pad, -pad, -pad), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text);
}

QRect BoardWidget::MarkSlot(int cell, int clear, int number) {
  // The 3 x 3 grid fills what the cursor's frame leaves of the cell, centred.
  const int slot = std::max(1, (cell - 2 * clear) / 3);
  const int start = (cell - 3 * slot + 1) / 2;
  return {start + (number - 1) % 3 * slot, start + (number - 1) / 3 * slot, slot, slot};
}

std::optional<int> BoardWidget::MarkAt(QPoint pixel) const {
  const auto at = CellAt(pixel);
  if (!at) return std::nullopt;
  const int side = CellSide();
  const QPoint inCell = pixel - CellRect(*at).topLeft();
  const int clear = 2 * std::max(1, static_cast<int>(std::lround(static_cast<qreal>(side) / kCellPixels))) +
                    std::max(2, side / 16);
  const QRect first = MarkSlot(side, clear, 1);
  // A point in the margin counts for the nearest slot.
  const auto third = [&](int offset) { return std::clamp(offset / first.width(), 0, 2); };
  return 1 + third(inCell.y() - first.top()) * 3 + third(inCell.x() - first.left());
}

void BoardWidget::PaintMarks(QPainter& painter, int cell, int clear, uint16_t standOut,
                             const std::array<uint16_t, 81>& struck) {
  const QRect slot = MarkSlot(cell, clear, 1);
  // The largest bold digit whose ink fills its slot: the slots are small at
  // 100 %, and a bold figure reads where a thin one blurs.
  if (markFontFor_ != slot.height()) {
    markFont_ = painter.font();
    markFont_.setBold(true);
    for (int size = slot.height() * 2; size >= 6; --size) {
      markFont_.setPixelSize(size);
      const QRect ink = QFontMetrics(markFont_).tightBoundingRect(QStringLiteral("8"));
      if (ink.height() <= slot.height() && ink.width() <= slot.width() - 1) break;
    }
    markFontFor_ = slot.height();
  }
  painter.setFont(markFont_);
  for (int row = 0; row < kBoardSize; ++row) {
    for (int column = 0; column < kBoardSize; ++column) {
      const uint16_t marks = game_.MarksShown({row, column});
      if (marks == 0) continue;
      // 1 top-left, 2 top-middle ... 9 bottom-right, always in the same place.
      for (int n = 1; n <= 9; ++n) {
        if (!(marks & MarkBit(n))) continue;
        const QRect place = MarkSlot(cell, clear, n).translated(column * cell, row * cell);
        if (standOut & MarkBit(n)) {
          painter.save();
          painter.setRenderHint(QPainter::Antialiasing);
          painter.setPen(Qt::NoPen);
          painter.setBrush(aids::kMarkDisc);
          painter.drawEllipse(place);
          painter.restore();
          painter.setPen(Qt::white);
        } else {
          painter.setPen(kMarkInk);
        }
        // Centred by its ink, not its line box, so every digit sits square in its slot.
        const QString digit = QString::number(n);
        const QRect ink = painter.fontMetrics().tightBoundingRect(digit);
        painter.drawText(QPoint(place.left() + (place.width() - ink.width()) / 2 - ink.left(),
                                place.top() + (place.height() - ink.height()) / 2 - ink.top()),
                         digit);
        if (struck[static_cast<std::size_t>(row * kBoardSize + column)] & MarkBit(n)) {
          painter.fillRect(place.left(), place.center().y(), place.width(), std::max(1, slot.height() / 6),
                           aids::kStepTarget.Dark);
        }
      }
    }
  }
}

void BoardWidget::Strike(QPainter& painter, const QRect& inside, int thick, int line) {
  // A wrong panel struck through, bottom left to top right: maroon edged in white.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QLineF stroke(inside.bottomLeft() + QPointF(0.5, 0.5), inside.topRight() + QPointF(0.5, 0.5));
  painter.setPen(QPen(aids::kWarning.Light, thick + 2 * line, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(stroke);
  painter.setPen(QPen(aids::kWarning.Dark, thick, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(stroke);
  painter.restore();
}

void BoardWidget::Corners(QPainter& painter, const QRect& place, int clear, int thick, int line) {
  // Four black corners edged in white, a quarter of the cell long, inside
  // the cursor's frame: unlike a frame they never hide a clash or a step.
  const QRect box = place.adjusted(clear, clear, -clear, -clear);
  const int arm = place.width() / 4;
  const auto corner = [&](QPoint at, int dx, int dy, int width, const QColor& colour) {
    const int x = dx > 0 ? at.x() : at.x() - arm + 1;
    const int y = dy > 0 ? at.y() : at.y() - width + 1;
    painter.fillRect(x, y, arm, width, colour);
    painter.fillRect(dx > 0 ? at.x() : at.x() - width + 1, dy > 0 ? at.y() : at.y() - arm + 1, width, arm, colour);
  };
  for (const auto& [at, dx, dy] : {std::tuple{box.topLeft(), 1, 1}, std::tuple{box.topRight(), -1, 1},
                                   std::tuple{box.bottomLeft(), 1, -1}, std::tuple{box.bottomRight(), -1, -1}}) {
    corner(at, dx, dy, thick + line, aids::kSameNumber.Light);
    corner(at + QPoint(dx * line, dy * line), dx, dy, thick, aids::kSameNumber.Dark);
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
    if (const auto cell = CellAt(at)) emit CellRightClicked(cell->Row, cell->Column, MarkAt(at).value_or(0));
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
