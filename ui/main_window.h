// The main window "Form1": the board on the left; the clock, the hint tokens,
// the palette, the clear-all button and the credit line on the right; the
// menus above. It sends the player's commands (clicks, menu entries, keys)
// to the game session and shows what each outcome says changed; the rules
// stay in the session.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <vector>

#include "core/command.h"
#include "core/game_types.h"
#include "ui/auxiliary_windows.h"
#include "ui/question.h"

class QAction;

namespace lumitile {

class BoardWidget;
class GameSession;
class Images;
class PictureBox;
class SoundPlayer;
struct KeyAction;
struct Outcome;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // dataFolders: where help is looked for; ask: how the questions are put.
  MainWindow(GameSession& game, Images& images, SoundPlayer& sounds,
             std::vector<std::filesystem::path> dataFolders, Ask ask = AskInMessageBox);
  ~MainWindow() override;

  // The first deal, as the window comes up: at the first three levels over
  // in far less than a frame, so without the busy pointer New game shows.
  void DealFirstGame();
  // A game kept from the last run instead of the first deal.
  void RestoreGame(const SavedGame& game);

  // Menu, palette and board commands.
  void NewGame();
  void SelectLevel(int level);
  void PickItem(Pick pick);
  void ClickCell(int row, int column);
  // mark: the slot of the cell's mark grid hit, used when nothing is picked.
  void RightClickCell(int row, int column, int mark = 0);
  void ClearPlacedPanels();
  // Zoom in percent, one of kZoomPercents; a step up or down from the current one.
  void SetZoom(int percent);
  void StepZoom(int steps);
  void TogglePause();

  // Shows the session's time and sets the timer for the next change; the
  // timer's own slot.
  void RefreshClock();
  const QTimer& ClockTimer() const { return clockTimer_; }
  AuxiliaryWindows& SideWindows() { return side_; }
  // How long 完成！ stays over a solved board without a record.
  static constexpr int kFinishedMs = 1500;
  const QTimer& FinishedTimer() const { return finishedTimer_; }

 signals:
  // The game ends (終了, Ctrl+Q, the close box): the game in progress is kept.
  void Ending();
  // The board, the hint tokens or the clock changed: the game in progress is kept.
  void GameChanged();
  // A deal run off this thread came back, shown or given up.
  void DealReturned();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildClientArea();
  void BuildMenus();
  // The command sent to the session, and its outcome shown.
  void Run(const Command& command);
  // A key of the key table, pressed or through its menu entry.
  void RunKey(const KeyAction& action);
  // Plays, redraws and opens what the outcome asks for.
  void ShowOutcome(const Outcome& outcome);
  void RefreshLevelChecks();
  void RefreshHintTokens();
  void RefreshPointer();
  // The deals of the hard levels run on a pool thread, so the window never
  // freezes; the busy pointer shows while the session waits for one.
  void RunDeal(const DealOrder& order);
  void RefreshBusyPointer();
  // Places, sizes, fonts and pictures of the client area for the session's
  // zoom, with the window fitted round them.
  void ApplyZoom();
  // Every picture shown again from the images, after they were reloaded.
  void RefreshPictures();
  void RefreshMenus();
  // The palette's panels ticked as done while the highlight is on.
  void RefreshDonePanels();
  // The next step's sentence given to screen readers.
  void TellStep(const Outcome& outcome);

  GameSession& game_;
  Images& images_;  // at the window's zoom
  SoundPlayer& sounds_;
  Ask ask_;
  AuxiliaryWindows side_;

  BoardWidget* board_ = nullptr;
  std::array<PictureBox*, 3> clockDigits_{};
  std::array<PictureBox*, kHintCount> hintTokens_{};
  std::array<PictureBox*, 9> panels_{};
  PictureBox* eraser_ = nullptr;
  PictureBox* clearAll_ = nullptr;
  std::array<QAction*, kLevelCount> levelActions_{};
  std::array<QAction*, kZoomPercents.size()> zoomActions_{};
  QAction* pauseAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* clashesAction_ = nullptr;
  QAction* highlightAction_ = nullptr;
  QAction* mistakesAction_ = nullptr;
  QTimer clockTimer_;
  QTimer finishedTimer_;
  bool busy_ = false;  // the busy pointer is up for a deal
};

}  // namespace lumitile
