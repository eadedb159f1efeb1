// Puzzles on paper: the page layout as a table, then real pages through
// QPrinter into a PDF file read back with pdftotext, each word where it
// stands, and the print through the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/print_set.h"
#include "core/puzzle/puzzle_line.h"
#include "support/game_rig.h"
#include "ui/level_names.h"
#include "ui/print_pages.h"
#include "ui/printing.h"

namespace lumitile {
namespace {

using namespace testing;

TEST(PrintLayout, PuzzlesThenTheirSolutionsOnPagesOfTheirOwnEachGridWholeOnThePage) {
  const struct {
    int perPage, puzzles;
    std::vector<std::size_t> onPages;  // slots on each page
  } cases[] = {
      {1, 1, {1, 1}},    {1, 12, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 6, 6}},
      {2, 3, {2, 1, 3}}, {4, 4, {4, 4}}, {4, 5, {4, 1, 5}}, {6, 12, {6, 6, 6, 6}}, {6, 7, {6, 1, 6, 1}},
      {3, 4, {}},        {4, 0, {}},
  };
  for (const QRectF page : {QRectF(30, 40, 560, 800), QRectF(0, 0, 800, 560)}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.perPage << " to a page, " << c.puzzles << ", " << page.width() << " wide");
      std::vector<std::size_t> onPages;
      int next = 0;
      for (const PrintPage& sheet : LayOutPrint(page, c.puzzles, c.perPage)) {
        onPages.push_back(sheet.size());
        for (std::size_t i = 0; i < sheet.size(); ++i) {
          const PrintSlot& slot = sheet[i];
          EXPECT_TRUE(slot.Puzzle == next % c.puzzles && slot.Solution == (next++ >= c.puzzles)) << next;
          const QRectF whole = slot.Grid.united(slot.Caption);
          EXPECT_TRUE(page.contains(whole));
          EXPECT_TRUE(slot.Grid.width() == slot.Grid.height() && slot.Caption.width() == slot.Grid.width() &&
                      slot.Caption.top() >= slot.Grid.bottom());
          for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(whole.intersects(sheet[j].Grid.united(sheet[j].Caption)));
        }
      }
      EXPECT_EQ(onPages, c.onPages);
    }
  }
  // Two to a page stack on a tall page and stand side by side on a wide one.
  EXPECT_GT(LayOutPrint({0, 0, 500, 800}, 2, 2)[0][1].Grid.top(), LayOutPrint({0, 0, 500, 800}, 2, 2)[0][0].Grid.bottom());
  EXPECT_GT(LayOutPrint({0, 0, 800, 500}, 2, 2)[0][1].Grid.left(), LayOutPrint({0, 0, 800, 500}, 2, 2)[0][0].Grid.right());
}

struct Word {
  QString Text;
  QPointF Centre;  // in points from the page's top left
};
using PdfPage = std::vector<Word>;

// Every page of a PDF file as pdftotext (poppler-utils) reads its words.
std::vector<PdfPage> ReadPdf(const QString& path) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  EXPECT_TRUE(reader.waitForFinished());
  static const QRegularExpression item(QStringLiteral(
      R"x(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
  std::vector<PdfPage> pages;
  for (const QRegularExpressionMatch& m : item.globalMatch(QString::fromUtf8(reader.readAllStandardOutput()))) {
    const auto at = [&m](int i) { return (m.captured(i).toDouble() + m.captured(i + 2).toDouble()) / 2; };
    if (m.captured(5).isNull()) pages.emplace_back();
    else if (!pages.empty()) pages.back().push_back({m.captured(5), QPointF(at(1), at(2))});
  }
  return pages;
}

std::shared_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setPageSize(QPageSize(QPageSize::A4));
  return printer;
}

// Each grid where LayOutPrint put it, read as an 81-character line: the
// word in each cell, '.' where there is none.
std::vector<std::string> ReadGrids(const QPrinter& printer, const std::vector<PdfPage>& pdf, int puzzles) {
  const auto pages = LayOutPrint({0, 0, qreal(printer.width()), qreal(printer.height())}, puzzles, 1);
  const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
  const qreal points = 72.0 / printer.resolution();
  std::vector<std::string> grids;
  for (std::size_t p = 0; p < pages.size() && p < pdf.size(); ++p) {
    for (const PrintSlot& slot : pages[p]) {
      std::vector<std::string> cells(81);
      const QRectF grid(origin + slot.Grid.topLeft() * points, slot.Grid.size() * points);
      for (const Word& word : pdf[p]) {
        const QPointF cell = (word.Centre - grid.topLeft()) * 9 / grid.width();
        if (grid.contains(word.Centre)) cells[std::size_t(int(cell.y()) * 9 + int(cell.x()))] += word.Text.toStdString();
      }
      std::string& line = grids.emplace_back();
      for (const std::string& cell : cells) line += cell.empty() ? "." : cell;
    }
  }
  return grids;
}

bool HasWord(const PdfPage& page, const std::string& text) {
  return std::ranges::any_of(page, [&](const Word& word) { return word.Text.toStdString() == text; });
}

// Two puzzles one to a page: each page holds its puzzle's givens in their
// cells and nothing in the open ones, its level and its line under it; the
// solutions follow on a page of their own.
TEST(Printing, APdfHoldsEachPuzzlesGivensInPlaceThenTheSolutions) {
  EnsureApplication();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("puzzles.pdf"));
  const std::shared_ptr<QPrinter> printer = PdfPrinter(path);
  std::vector<PrintedPuzzle> puzzles;
  for (const int level : {kMasterLevel, 0}) puzzles.push_back({DealPrintSet({level, 1, 7})[0], level});
  ASSERT_TRUE(PaintPuzzles(*printer, puzzles, 1));
  const auto pdf = ReadPdf(path);
  ASSERT_EQ(pdf.size(), 3u);
  const auto grids = ReadGrids(*printer, pdf, 2);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(grids[i], PuzzleLine(puzzles[i].Puzzle.givens)) << i;
    EXPECT_EQ(grids[2 + i], PuzzleLine(puzzles[i].Puzzle.solution)) << i;
    EXPECT_TRUE(HasWord(pdf[i], PuzzleLine(puzzles[i].Puzzle.givens))) << i;
    EXPECT_TRUE(HasWord(pdf[i], LevelName(puzzles[i].Level).toStdString())) << i;
  }
}

// Through the window: 印刷... offers the board's puzzle once there is one
// and goes on to the print dialog. A set is dealt off the window's thread
// with the entry idle meanwhile; a file that cannot be written is told;
// a window closed mid-print leaves no busy pointer behind.
TEST(Printing, ThroughTheWindowASetOffItsThreadAFailureToldAndNothingLeftBehind) {
  QTemporaryDir folder;
  auto rig = std::make_unique<GameRig>();
  QAction* entry = rig->Find<QAction>(QStringLiteral("print"));
  EXPECT_EQ(entry->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_P)});
  auto* printing = rig->Window().findChild<Printing*>();
  entry->trigger();
  ASSERT_TRUE(printing->ChoiceWindow());
  EXPECT_FALSE(printing->ChoiceWindow()->findChild<QRadioButton*>(QStringLiteral("board_puzzle"))->isEnabled());
  printing->ChoiceWindow()->accept();
  auto* dialog = rig->Window().findChild<QPrintDialog*>();
  ASSERT_TRUE(dialog);
  dialog->reject();

  rig->Session().Execute(cmd::NewGameOn{PuzzleWithOpenCells(30)});
  QSignalSpy finished(printing, &Printing::Finished);
  const QString path = folder.filePath(QStringLiteral("set.pdf"));
  printing->Print(PdfPrinter(path), {true, kMasterLevel, 5, 4});
  EXPECT_FALSE(entry->isEnabled());
  ASSERT_TRUE(finished.wait(60000));
  EXPECT_TRUE(finished[0][0].toBool());
  EXPECT_TRUE(entry->isEnabled());
  EXPECT_EQ(ReadPdf(path).size(), 3u) << "five puzzles four to a page, then their solutions";

  // The board's puzzle is named by the level it was dealt at, whatever the
  // menu says by now, and one brought in from elsewhere as such.
  rig->Window().SelectLevel(kMasterLevel);
  printing->Print(PdfPrinter(path), {false, 0, 1, 1});
  ASSERT_TRUE(finished.wait(60000));
  const auto pdf = ReadPdf(path);
  ASSERT_EQ(pdf.size(), 2u);
  EXPECT_TRUE(HasWord(pdf[0], PuzzleLine(PuzzleOf(rig->Session().CurrentBoard()).givens)));
  EXPECT_TRUE(HasWord(pdf[0], "初級") && !HasWord(pdf[0], "達人"));
  const DealtPuzzle onBoard = PuzzleOf(rig->Session().CurrentBoard());
  rig->Session().Execute(cmd::PlayPuzzle{onBoard.givens, onBoard.solution});
  printing->Print(PdfPrinter(path), {false, 0, 1, 1});
  ASSERT_TRUE(finished.wait(60000));
  EXPECT_TRUE(HasWord(ReadPdf(path)[0], "入力した問題"));

  printing->Print(PdfPrinter(folder.filePath(QStringLiteral("none/x.pdf"))), {false, 0, 1, 1});
  ASSERT_TRUE(finished.wait(60000));
  EXPECT_FALSE(finished[3][0].toBool());
  EXPECT_EQ(rig->asked.back(), QStringLiteral("CannotPrintNotice"));

  printing->Print(PdfPrinter(path), {true, kMasterLevel, kMaxPrintSet, 6});
  rig.reset();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace lumitile
