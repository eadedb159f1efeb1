#include "ui/printing.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>
#include <vector>

#include "core/game_session.h"
#include "core/print_set.h"
#include "ui/level_names.h"
#include "ui/print_pages.h"
#include "ui/window_look.h"

namespace lumitile {

PrintChoiceWindow::PrintChoiceWindow(bool boardDealt, int level, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PrintChoice"));
  setWindowTitle(tr("印刷"));
  setFont(MakeFont(look::kDialogFont));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::WindowModal);

  board_ = new QRadioButton(tr("この問題"), this);
  board_->setObjectName(QStringLiteral("board_puzzle"));
  board_->setEnabled(boardDealt);
  set_ = new QRadioButton(tr("新しい問題"), this);
  set_->setObjectName(QStringLiteral("new_puzzles"));
  level_ = new QComboBox(this);
  level_->setObjectName(QStringLiteral("level"));
  for (int i = 0; i < kLevelCount; ++i) level_->addItem(LevelName(i));
  level_->setCurrentIndex(level);
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("count"));
  count_->setRange(1, kMaxPrintSet);
  count_->setValue(4);
  perPage_ = new QComboBox(this);
  perPage_->setObjectName(QStringLiteral("per_page"));
  for (const int n : kPuzzlesPerPage) perPage_->addItem(QString::number(n), n);
  // A new set fills its pages; one puzzle fills its page.
  const auto follow = [this] {
    level_->setEnabled(set_->isChecked());
    count_->setEnabled(set_->isChecked());
    perPage_->setCurrentIndex(perPage_->findData(set_->isChecked() ? 4 : 1));
  };
  connect(set_, &QRadioButton::toggled, this, follow);
  (boardDealt ? board_ : set_)->setChecked(true);
  follow();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(board_);
  form->addRow(set_);
  form->addRow(tr("レベル"), level_);
  form->addRow(tr("問題の数"), count_);
  form->addRow(tr("1ページの問題数"), perPage_);
  form->addRow(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
}

PrintChoice PrintChoiceWindow::Choice() const {
  return {set_->isChecked(), level_->currentIndex(), count_->value(), perPage_->currentData().toInt()};
}

Printing::Printing(GameSession& game, QWidget* window, Ask ask)
    : QObject(window), game_(game), window_(window), ask_(std::move(ask)) {
  setObjectName(QStringLiteral("Printing"));
}

Printing::~Printing() {
  if (givenUp_) {
    *givenUp_ = true;
    QGuiApplication::restoreOverrideCursor();
  }
  delete choice_.data();
}

void Printing::Start() {
  if (Busy()) return;
  if (choice_ && choice_->isVisible()) return choice_->activateWindow();
  choice_ = new PrintChoiceWindow(game_.Dealt(), game_.Level(), window_);
  connect(choice_, &QDialog::accepted, this, [this, window = choice_.data()] { AskForPrinter(window->Choice()); });
  choice_->open();
}

void Printing::AskForPrinter(const PrintChoice& choice) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(QStringLiteral("Lumitile"));
  auto* dialog = new QPrintDialog(printer.get(), window_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                     QAbstractPrintDialog::PrintCollateCopies);
  connect(dialog, &QDialog::accepted, this, [this, printer, choice] { Print(printer, choice); });
  dialog->open();
}

void Printing::Print(std::shared_ptr<QPrinter> printer, const PrintChoice& choice) {
  if (Busy()) return;
  std::vector<PrintedPuzzle> onBoard;
  std::optional<PrintOrder> order;
  if (choice.NewSet) {
    order = game_.Execute(cmd::OrderPrint{choice.Level, choice.Count}).Print;
    if (!order) return;
  } else {
    if (!game_.Dealt()) return;
    const bool dealt = game_.Kind() != GameKind::kEntered;
    onBoard.push_back({PuzzleOf(game_.CurrentBoard()), dealt ? game_.DealtLevel() : kNotDealt});
  }
  givenUp_ = std::make_shared<std::atomic<bool>>(false);
  QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  emit BusyChanged();
  // The watcher goes with this object, and so does the way back: a window
  // closed meanwhile gets nothing, and its set stops being dealt.
  auto* watcher = new QFutureWatcher<bool>(this);
  connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher] {
    watcher->deleteLater();
    End(watcher->result());
  });
  watcher->setFuture(QtConcurrent::run([printer, order, onBoard, perPage = choice.PerPage, givenUp = givenUp_] {
    std::vector<PrintedPuzzle> puzzles = onBoard;
    if (order) {
      for (const DealtPuzzle& dealt : DealPrintSet(*order, givenUp.get())) puzzles.push_back({dealt, order->Level});
      if (static_cast<int>(puzzles.size()) != order->Count) return false;
    }
    return !*givenUp && PaintPuzzles(*printer, puzzles, perPage);
  }));
}

void Printing::End(bool printed) {
  givenUp_.reset();
  QGuiApplication::restoreOverrideCursor();
  emit BusyChanged();
  if (!printed) ask_(window_, CannotPrintNotice());
  emit Finished(printed);
}

Question CannotPrintNotice() {
  return {QStringLiteral("CannotPrintNotice"), QMessageBox::Warning, Printing::tr("印刷できませんでした。"),
          QMessageBox::Ok, QMessageBox::Ok};
}

}  // namespace lumitile
