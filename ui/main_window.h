// The main window "Form1": the board on the left; the clock, the hint tokens,
// the palette, the clear-all button and the credit line on the right; the
// menus above. It draws what the game controller reports and forwards the
// player's commands to it; the rules stay in the controller.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;

namespace lumitile {

class BoardWidget;
class GameController;
class Images;
class PictureBox;
class SideWindows;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The clear-all question: true when the player answered Yes.
  using ClearQuestion = std::function<bool(QWidget* parent)>;

  MainWindow(GameController& game, const Images& images, QWidget* parent = nullptr);

  // The record, table, help and about windows; may stay unset (then those
  // menu items do nothing).
  void SetSideWindows(SideWindows* side) { side_ = side; }
  // Replaces the message box, for tests.
  void SetClearQuestion(ClearQuestion ask) { askClear_ = std::move(ask); }
  // The real question: "配置している全てのパネルを消しますか？", Yes by default.
  static bool AskClearPlacedPanels(QWidget* parent);

  // The first deal, as the window comes up: over in far less than a frame,
  // so without the busy pointer New game shows.
  void DealFirstGame();

  // Menu commands.
  void NewGame();
  void SelectLevel(int16_t level);
  // Palette and board input.
  void PickPanel(int index);
  void PickEraser();
  void PickHint(int index);
  void ClickBoard(int x, int y);
  void ClearPlacedPanels();

  // Shows the controller's time and sets the timer for the next change;
  // the timer's own slot.
  void RefreshClock();
  const QTimer& ClockTimer() const { return clockTimer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildClientArea();
  void BuildMenus();
  // Everything a move can change: the board, the tokens, the pointer, the clock.
  void RefreshAfterMove();
  void RefreshLevelChecks();
  void RefreshHintTokens();
  void RefreshPointer();

  GameController& game_;
  const Images& images_;
  SideWindows* side_ = nullptr;
  ClearQuestion askClear_ = &MainWindow::AskClearPlacedPanels;

  BoardWidget* board_ = nullptr;
  std::array<PictureBox*, 3> clockDigits_{};
  std::array<PictureBox*, 3> hintTokens_{};
  std::array<QAction*, 3> levelActions_{};
  QTimer clockTimer_;
};

}  // namespace lumitile
