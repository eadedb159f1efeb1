// The main window "Form1": the board on the left; the clock, the hint tokens,
// the palette, the clear-all button and the credit line on the right; the
// menus above. It sends the player's commands (clicks, menu entries, keys)
// to the game session and shows what each outcome says changed; the rules
// stay in the session.
#pragma once

#include <QMainWindow>
#include <QThreadPool>
#include <QTimer>
#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/command.h"
#include "core/game_types.h"
#include "ui/auxiliary_windows.h"
#include "ui/question.h"

class QAction;

namespace lumitile {

class BoardWidget;
class ErrandRunner;
class GameSession;
class Images;
class PaletteFocus;
class PictureBox;
class Printing;
class SoundPlayer;
struct FileErrand;
struct SpokenBefore;
struct KeyAction;
struct Outcome;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // dataFolders: where help is looked for; ask: how the questions are put;
  // errands: where the settings file's errands run, on a thread of the
  // window's own when none is given.
  MainWindow(GameSession& game, Images& images, SoundPlayer& sounds,
             std::vector<std::filesystem::path> dataFolders, Ask ask = AskInMessageBox,
             ErrandRunner* errands = nullptr);
  ~MainWindow() override;

  // The first deal, as the window comes up: at the first three levels over
  // in far less than a frame, so without the busy pointer New game shows.
  void DealFirstGame();
  // A game kept from the last run instead of the first deal.
  void RestoreGame(const SavedGame& game);
  // A trip to the settings file, run off this thread; its reply goes to the
  // session and what it came to is shown.
  void RunErrand(FileErrand errand);

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

  // Puzzles from outside. Every way in runs the one check and tells its
  // result; a puzzle refused, or with several solutions and declined, leaves
  // the game on the board as it was. True when the puzzle is now played.
  bool OfferPuzzleText(std::string_view text);
  bool OfferGivens(const std::array<uint8_t, 81>& givens);
  // The first of these offered now, the rest kept for 次の問題.
  void OfferPuzzles(std::vector<std::string> puzzles);
  void NextPuzzle();
  // 編集 > 問題を貼り付け and 問題をコピー, through the clipboard.
  void PastePuzzle();
  void CopyPuzzle();
  // ﾌｧｲﾙ > 問題を入力: an empty board to set givens on; 入力終了 checks and starts it.
  void EnterPuzzle();
  void FinishEntry();

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
  // A deal run off this thread came back: shown, held for the next game, or given up.
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
  // Tells a screen reader what the command changed.
  void Tell(const Command& command, const Outcome& outcome, const SpokenBefore& before);
  void RefreshLevelChecks();
  void RefreshHintTokens();
  void RefreshPointer();
  // Deals run on a pool thread, so the window never freezes; the busy
  // pointer shows while the session waits for one.
  void RunDeal(const DealOrder& order);
  void RefreshBusyPointer();
  // Places, sizes, fonts and pictures of the client area for the session's
  // zoom, with the window fitted round them.
  void ApplyZoom();
  // The clock's boxes placed for the face it shows, at the session's zoom.
  void PlaceClock();
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
  // Picture5 to 7 hold the three digits of seconds; at the added levels
  // Picture5 to 8 hold m:ss, with the colon (Picture9) between 6 and 7.
  std::array<PictureBox*, 4> clockDigits_{};
  PictureBox* clockColon_ = nullptr;
  bool minutesClock_ = false;  // the clock shows m:ss
  std::array<PictureBox*, kHintCount> hintTokens_{};
  std::array<PictureBox*, 9> panels_{};
  PictureBox* eraser_ = nullptr;
  PictureBox* clearAll_ = nullptr;
  std::unique_ptr<PaletteFocus> palette_;
  std::array<QAction*, kLevelCount> levelActions_{};
  std::array<QAction*, kZoomPercents.size()> zoomActions_{};
  QAction* pauseAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* clashesAction_ = nullptr;
  QAction* finishEntryAction_ = nullptr;
  QAction* nextPuzzleAction_ = nullptr;
  QAction* copyPuzzleAction_ = nullptr;
  std::deque<std::string> nextPuzzles_;  // a file's puzzles not yet offered
  Printing* printing_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* highlightAction_ = nullptr;
  QAction* mistakesAction_ = nullptr;
  QTimer clockTimer_;
  QTimer finishedTimer_;
  bool busy_ = false;  // the busy pointer is up for a deal
  std::unique_ptr<ErrandRunner> ownErrands_;
  ErrandRunner* errands_;
  // The deals' own threads, below the window's priority. Going with the
  // window, it waits for deals already given up, each stopping at its next try.
  QThreadPool dealThreads_;
};

}  // namespace lumitile
