// ﾌｧｲﾙ > 印刷...: a small choice (the puzzle on the board, or a set of new
// puzzles at a level, so many to a page), then Qt's print dialog, which also
// prints to a PDF file, then the pages. A new set is dealt and every page
// drawn off the window's thread, so the window never freezes; the busy
// pointer shows meanwhile.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>

#include "ui/question.h"

class QComboBox;
class QPrinter;
class QRadioButton;
class QSpinBox;

namespace lumitile {

class GameSession;

struct PrintChoice {
  bool NewSet = false;  // otherwise the puzzle on the board
  int Level = 0;        // of a new set
  int Count = 1;        // of a new set, 1 to kMaxPrintSet
  int PerPage = 1;      // one of kPuzzlesPerPage
};

// The choice, as a window of its own ("PrintChoice"). The board's puzzle
// can be chosen only when there is one.
class PrintChoiceWindow : public QDialog {
  Q_OBJECT

 public:
  PrintChoiceWindow(bool boardDealt, int level, QWidget* parent);
  PrintChoice Choice() const;

 private:
  QRadioButton* board_ = nullptr;
  QRadioButton* set_ = nullptr;
  QComboBox* level_ = nullptr;
  QSpinBox* count_ = nullptr;
  QComboBox* perPage_ = nullptr;
};

class Printing : public QObject {
  Q_OBJECT

 public:
  Printing(GameSession& game, QWidget* window, Ask ask);
  // A set still being dealt stops at its next try, and its pages are never
  // drawn; nothing comes back to a window that is gone.
  ~Printing() override;

  // 印刷...: the choice, then the print dialog; one print at a time.
  void Start();
  // The pages of the choice to a printer set up already (the print dialog's,
  // or a PDF file's).
  void Print(std::shared_ptr<QPrinter> printer, const PrintChoice& choice);
  bool Busy() const { return givenUp_ != nullptr; }
  // The open choice window, or null.
  PrintChoiceWindow* ChoiceWindow() const { return choice_; }

 signals:
  // A print started or ended: the menu entry follows.
  void BusyChanged();
  // The pages went to the printer, or could not (told to the player).
  void Finished(bool printed);

 private:
  void AskForPrinter(const PrintChoice& choice);
  void End(bool printed);

  GameSession& game_;
  QWidget* window_;
  Ask ask_;
  QPointer<PrintChoiceWindow> choice_;
  std::shared_ptr<std::atomic<bool>> givenUp_;  // set while a print is under way
};

// "印刷できませんでした。": OK only.
Question CannotPrintNotice();

}  // namespace lumitile
