#include "ui/print_pages.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/puzzle/puzzle_line.h"
#include "ui/level_names.h"

namespace lumitile {

namespace {

// Under each grid: a gap, then the two lines of small print, as shares of the grid's side.
constexpr qreal kCaptionGap = 0.02;
constexpr qreal kCaptionHeight = 0.08;
// The margin round each grid within its share of the page.
constexpr qreal kSlotFill = 0.9;

// Columns and rows of a page of n, for a page taller than wide.
QSize Arrangement(int perPage) {
  switch (perPage) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 4: return {2, 2};
    case 6: return {2, 3};
    default: return {};
  }
}

void Place(const QRectF& page, int perPage, int count, bool solutions, std::vector<PrintPage>& pages) {
  QSize grid = Arrangement(perPage);
  if (page.width() > page.height()) grid.transpose();
  const qreal slotWidth = page.width() / grid.width();
  const qreal slotHeight = page.height() / grid.height();
  const qreal share = 1 + kCaptionGap + kCaptionHeight;
  const qreal side = std::min(slotWidth * kSlotFill, slotHeight * kSlotFill / share);
  for (int puzzle = 0; puzzle < count; ++puzzle) {
    const int index = puzzle % perPage;
    if (index == 0) pages.emplace_back();
    const qreal left = page.left() + (index % grid.width()) * slotWidth + (slotWidth - side) / 2;
    const qreal top = page.top() + (index / grid.width()) * slotHeight + (slotHeight - side * share) / 2;
    pages.back().push_back({puzzle, solutions, QRectF(left, top, side, side),
                            QRectF(left, top + side * (1 + kCaptionGap), side, side * kCaptionHeight)});
  }
}

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::PrintPages)
};

// Numbers in a face with a true bold; the small print in a fixed-width one,
// so the 81-character line reads in columns.
QFont DigitFont(qreal pixels, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setBold(bold);
  return font;
}

QFont SmallPrintFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
  font.setStyleHint(QFont::Monospace);
  return font;
}

// Givens (or the whole solution, givens in bold) in a 9 x 9 grid whose
// block lines are thick.
void DrawGrid(QPainter& painter, const QRectF& grid, const DealtPuzzle& puzzle, bool solution) {
  const qreal cell = grid.width() / 9;
  painter.fillRect(grid, Qt::white);
  for (const bool thick : {false, true}) {
    painter.setPen(QPen(Qt::black, thick ? cell / 12 : cell / 40, Qt::SolidLine, Qt::SquareCap));
    for (int line = 0; line <= 9; ++line) {
      if ((line % 3 == 0) != thick) continue;
      const qreal at = line * cell;
      painter.drawLine(QPointF(grid.left() + at, grid.top()), QPointF(grid.left() + at, grid.bottom()));
      painter.drawLine(QPointF(grid.left(), grid.top() + at), QPointF(grid.right(), grid.top() + at));
    }
  }
  for (int i = 0; i < 81; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const bool given = puzzle.givens[index] != 0;
    const int number = solution ? puzzle.solution[index] : puzzle.givens[index];
    if (number == 0) continue;
    painter.setFont(DigitFont(cell * 0.62, solution && given));
    const QRectF box(grid.left() + (i % 9) * cell, grid.top() + (i / 9) * cell, cell, cell);
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
  }
}

// Up to two lines of small print, shrunk until the longer fits the width.
void DrawCaption(QPainter& painter, const QRectF& box, const QString& first, const QString& second) {
  QFont font = SmallPrintFont();
  qreal pixels = box.height() / 2.6;
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  const QFontMetricsF metrics(font, painter.device());
  const qreal widest = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
  if (widest > box.width()) pixels *= box.width() / widest;
  font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
  painter.setFont(font);
  const QRectF line(box.left(), box.top(), box.width(), box.height() / 2);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, first);
  painter.drawText(line.translated(0, line.height()), Qt::AlignLeft | Qt::AlignVCenter, second);
}

}  // namespace

std::vector<PrintPage> LayOutPrint(const QRectF& page, int puzzles, int perPage) {
  std::vector<PrintPage> pages;
  if (puzzles < 1 || std::ranges::find(kPuzzlesPerPage, perPage) == kPuzzlesPerPage.end()) return pages;
  Place(page, perPage, puzzles, false, pages);
  Place(page, kSolutionsPerPage, puzzles, true, pages);
  return pages;
}

bool PaintPuzzles(QPagedPaintDevice& device, const std::vector<PrintedPuzzle>& puzzles, int perPage) {
  const std::vector<PrintPage> pages =
      LayOutPrint(QRectF(0, 0, device.width(), device.height()), static_cast<int>(puzzles.size()), perPage);
  if (pages.empty()) return false;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    for (const PrintSlot& slot : pages[p]) {
      const PrintedPuzzle& printed = puzzles[static_cast<std::size_t>(slot.Puzzle)];
      DrawGrid(painter, slot.Grid, printed.Puzzle, slot.Solution);
      const QString level = printed.Level == kNotDealt ? Words::tr("入力した問題") : LevelName(printed.Level);
      if (slot.Solution) {
        DrawCaption(painter, slot.Caption, Words::tr("解答 %1 ・ %2").arg(slot.Puzzle + 1).arg(level), {});
      } else {
        DrawCaption(painter, slot.Caption, Words::tr("問題 %1 ・ %2").arg(slot.Puzzle + 1).arg(level),
                    QString::fromStdString(PuzzleLine(printed.Puzzle.givens)));
      }
    }
  }
  return painter.end();
}

}  // namespace lumitile
