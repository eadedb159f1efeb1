#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cerrno>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "core/game_session.h"
#include "core/puzzle/puzzle_check.h"
#include "core/puzzle/puzzle_line.h"
#include "ui/accessibility.h"
#include "ui/board_widget.h"
#include "ui/file_errands.h"
#include "ui/images.h"
#include "ui/key_table.h"
#include "ui/layout.h"
#include "ui/level_names.h"
#include "ui/palette_focus.h"
#include "ui/picture_box.h"
#include "ui/printing.h"
#include "ui/puzzle_words.h"
#include "ui/sound_player.h"
#include "ui/spoken_news.h"
#include "ui/window_look.h"
#include "ui/window_placement.h"

namespace lumitile {

namespace {

// A deal made ahead runs while the player plays: its thread runs below the
// window's priority, so the board answers a key or a click as fast as with
// no deal under way. Linux sets a nice value per thread; a thread can only
// ever lower its own priority, so the deals' threads are their own.
void YieldToTheWindow() {
#ifdef __linux__
  constexpr int kDealNice = 10;
  const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
  errno = 0;
  const int now = ::getpriority(PRIO_PROCESS, thread);
  if (errno == 0 && now < kDealNice) ::setpriority(PRIO_PROCESS, thread, kDealNice);
#endif
}

}  // namespace

MainWindow::MainWindow(GameSession& game, Images& images, SoundPlayer& sounds,
                       std::vector<std::filesystem::path> dataFolders, Ask ask, ErrandRunner* errands)
    : game_(game),
      images_(images),
      sounds_(sounds),
      ask_(ask),
      side_(game, images, this, std::move(dataFolders), std::move(ask), [this](const Command& c) { Run(c); }),
      ownErrands_(errands ? nullptr : std::make_unique<ErrandThread>()),
      errands_(errands ? errands : ownErrands_.get()) {
  InstallAccessibility();
  setObjectName(MainLayout().Name);
  setWindowTitle(QStringLiteral("Lumitile"));
  setWindowIcon(images_.Icon());
  // A fixed frame: a title, the window menu and the close box, nothing to
  // minimise, maximise or resize.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  printing_ = new Printing(game_, this, ask_);
  connect(printing_, &Printing::BusyChanged, this, &MainWindow::RefreshMenus);
  BuildClientArea();
  BuildMenus();
  ApplyZoom();

  clockTimer_.setSingleShot(true);
  // The timer is set for the very millisecond the second turns; a coarse
  // timer could show it late by a visible amount.
  clockTimer_.setTimerType(Qt::PreciseTimer);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::RefreshClock);
  finishedTimer_.setSingleShot(true);
  connect(&finishedTimer_, &QTimer::timeout, this, [this] { board_->ShowFinished(false); });

  RefreshClock();
  RefreshLevelChecks();
  RefreshHintTokens();
  RefreshPointer();
  RefreshMenus();
}

MainWindow::~MainWindow() {
  // Quitting waits for no deal: each stops at its next try, and the board
  // it would bring goes with the watcher, unseen.
  game_.Execute(cmd::GiveUpDeals{});
  // The busy pointer is the application's; it must not outlive the window.
  if (busy_) QGuiApplication::restoreOverrideCursor();
  // Errands still waiting are run to their end before the window goes.
  ownErrands_.reset();
}

void MainWindow::BuildClientArea() {
  const WindowLayout& layout = MainLayout();
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(layout.Size);
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, look::kLightBlue);
  client->setPalette(palette);
  setCentralWidget(client);
  // The picked item's pointer shows over the board and the background; what
  // can be clicked (the palette, the tokens, the buttons) keeps the arrow.
  const auto button = [](PictureBox* box) {
    box->setCursor(Qt::ArrowCursor);
    return box;
  };

  board_ = new BoardWidget(game_, images_, client);
  board_->setObjectName(QStringLiteral("Board"));
  board_->move(layout.Place(board_->objectName()).topLeft());
  connect(board_, &BoardWidget::CellClicked, this, &MainWindow::ClickCell);
  connect(board_, &BoardWidget::CellRightClicked, this, &MainWindow::RightClickCell);
  // The board holds the keyboard's focus, so a screen reader follows the cursor cell.
  board_->setFocusPolicy(Qt::StrongFocus);
  board_->setFocus();

  const auto label = [client, &layout](const char* name, const QString& text, const QColor& colour,
                                       const QFont& font) {
    QLabel* added = AddLabel(client, QLatin1String(name), text, layout.Place(QLatin1String(name)));
    added->setFont(font);
    added->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(added, colour);
  };
  const auto box = [client, &layout](const QString& name, const QColor& ground, bool framed,
                                     const QPixmap& picture) {
    auto* added = new PictureBox(name, layout.Place(name), ground, framed, client);
    added->SetPicture(picture);
    return added;
  };
  const auto pick = [this](Pick item) { return [this, item] { PickItem(item); }; };

  label("Label1", QStringLiteral("TIME"), look::kYellow, MakeFont(look::kTimeCaptionFont));
  for (int i = 0; i < 4; ++i) clockDigits_[i] = box(QStringLiteral("Picture%1").arg(5 + i), Qt::black, false, {});
  clockColon_ = box(QStringLiteral("Picture9"), Qt::black, false, {});
  // The digits read as one time, the value of the first of them.
  clockDigits_[0]->setAccessibleName(tr("タイム"));
  for (int i = 0; i < kHintCount; ++i) {
    hintTokens_[i] = button(box(QStringLiteral("Picture4(%1)").arg(i), Qt::black, false, images_.Hint()));
    connect(hintTokens_[i], &PictureBox::Clicked, this, pick(Pick::Hint(i)));
    hintTokens_[i]->setAccessibleName(tr("ヒント %1").arg(i + 1));
  }
  label("Label2", QStringLiteral("Tessaline"), look::kRed, MakeFont(look::kCreditFont));
  for (int k = 0; k < 9; ++k) {
    panels_[k] = button(box(QStringLiteral("Picture1(%1)").arg(k), look::kLightGrey, true, images_.Panel(k + 1)));
    connect(panels_[k], &PictureBox::Clicked, this, pick(Pick::Panel(k)));
    panels_[k]->setAccessibleName(tr("パネル %1").arg(k + 1));
  }
  eraser_ = button(box(QStringLiteral("Picture2"), look::kLightGreen, false, images_.Eraser()));
  connect(eraser_, &PictureBox::Clicked, this, pick(Pick::Eraser()));
  eraser_->setAccessibleName(tr("消しゴム"));
  clearAll_ = button(box(QStringLiteral("Picture3"), look::kLightBlue, false, images_.Burst()));
  connect(clearAll_, &PictureBox::Clicked, this, &MainWindow::ClearPlacedPanels);
  clearAll_->setAccessibleName(tr("全てのパネルを消す"));
  std::vector<PictureBox*> items(panels_.begin(), panels_.end());
  items.push_back(eraser_);
  items.insert(items.end(), hintTokens_.begin(), hintTokens_.end());
  for (PictureBox* item : items) item->SetPickable(true);
  items.push_back(clearAll_);
  palette_ = std::make_unique<PaletteFocus>(std::move(items));
  const QString credit = QStringLiteral("© 2026 Lumitile Project");
  label("Label3", credit, look::kYellow, FittingGothicFont(credit, layout.Place(QStringLiteral("Label3")).size()));
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  // The window has a fixed size around its menu bar, so the bar stays in the
  // window even on desktops that offer a global menu.
  bar->setNativeMenuBar(false);
  bar->setFont(MakeFont(look::kMenuFont));

  const auto addMenu = [bar](const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->setFont(MakeFont(look::kMenuFont));
    return menu;
  };
  // Captions carry no '&': none has an access key; F10 opens the first menu
  // for the arrows. Every entry with a key of the table shows it.
  const auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto handler,
                              QList<QKeySequence> keys = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setMenuRole(QAction::NoRole);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  const auto addSeparator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  QMenu* file = addMenu("f", tr("ﾌｧｲﾙ"));
  // New game, the end and the help answer their keys from every window of the game.
  const auto everywhere = [](QAction* action) { action->setShortcutContext(Qt::ApplicationShortcut); };
  everywhere(addItem(file, "new_game", tr("新規ゲーム"), [this] { NewGame(); }, KeysFor(KeyCommand::NewGame)));
  addItem(file, "enter_puzzle", tr("問題を入力"), [this] { EnterPuzzle(); });
  finishEntryAction_ = addItem(file, "finish_entry", tr("入力終了"), [this] { FinishEntry(); });
  nextPuzzleAction_ = addItem(file, "next_puzzle", tr("次の問題"), [this] { NextPuzzle(); });
  pauseAction_ = addItem(file, "pause", tr("一時停止"), [this] { RunKey({KeyCommand::Pause}); },
                         KeysFor(KeyCommand::Pause));
  pauseAction_->setCheckable(true);
  addSeparator(file, "print_sep");
  printAction_ = addItem(file, "print", tr("印刷..."), [this] { RunKey({KeyCommand::Print}); },
                         KeysFor(KeyCommand::Print));
  addSeparator(file, "aa");
  everywhere(addItem(file, "end_app", tr("終了"), [this] { close(); }, KeysFor(KeyCommand::End)));

  QMenu* edit = addMenu("edit", tr("編集"));
  undoAction_ = addItem(edit, "undo", tr("元に戻す"), [this] { RunKey({KeyCommand::Undo}); },
                        KeysFor(KeyCommand::Undo));
  redoAction_ = addItem(edit, "redo", tr("やり直し"), [this] { RunKey({KeyCommand::Redo}); },
                        KeysFor(KeyCommand::Redo));
  addSeparator(edit, "puzzle_sep");
  copyPuzzleAction_ = addItem(edit, "copy_puzzle", tr("問題をコピー"), [this] { RunKey({KeyCommand::CopyPuzzle}); },
                              KeysFor(KeyCommand::CopyPuzzle));
  addItem(edit, "paste_puzzle", tr("問題を貼り付け"), [this] { RunKey({KeyCommand::PastePuzzle}); },
          KeysFor(KeyCommand::PastePuzzle));
  addSeparator(edit, "candidates_sep");
  addItem(edit, "fill_candidates", tr("候補をすべて記入"), [this] { Run(cmd::FillCandidates{}); });
  addItem(edit, "clear_candidates", tr("候補をすべて消す"), [this] { Run(cmd::ClearCandidates{}); });
  addSeparator(edit, "step_sep");
  addItem(edit, "next_step", tr("次の一手"), [this] { RunKey({KeyCommand::NextStep}); }, KeysFor(KeyCommand::NextStep));

  QMenu* view = addMenu("view", tr("表示"));
  clashesAction_ = addItem(view, "show_clashes", tr("重複を表示"),
                           [this] { Run(cmd::ShowDuplicates{clashesAction_->isChecked()}); });
  clashesAction_->setCheckable(true);
  highlightAction_ = addItem(view, "highlight", tr("強調表示"),
                             [this] { Run(cmd::ShowHighlight{highlightAction_->isChecked()}); });
  highlightAction_->setCheckable(true);
  mistakesAction_ = addItem(view, "show_mistakes", tr("間違いを表示"),
                            [this] { Run(cmd::ShowMistakes{mistakesAction_->isChecked()}); });
  mistakesAction_->setCheckable(true);
  addSeparator(view, "zoom_sep");
  // The zoom steps as one set of radio entries.
  auto* zoomGroup = new QActionGroup(view);
  for (std::size_t i = 0; i < kZoomPercents.size(); ++i) {
    const int percent = kZoomPercents[i];
    zoomActions_[i] = addItem(view, QStringLiteral("zoom_%1").arg(percent).toLatin1().constData(),
                              QStringLiteral("%1%").arg(percent), [this, percent] { SetZoom(percent); });
    zoomActions_[i]->setCheckable(true);
    zoomGroup->addAction(zoomActions_[i]);
  }

  // The zoom keys step through the entries from anywhere in the window, as
  // in other programs, without being entries themselves.
  for (const auto& [name, command] : {std::pair{"zoom_in", KeyCommand::ZoomIn}, {"zoom_out", KeyCommand::ZoomOut},
                                      {"zoom_reset", KeyCommand::ZoomReset}}) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(KeysFor(command));
    connect(action, &QAction::triggered, this, [this, command] { RunKey({command}); });
    addAction(action);
  }

  QMenu* level = addMenu("level", tr("ﾚﾍﾞﾙ"));
  for (int i = 0; i < kLevelCount; ++i) {
    levelActions_[i] =
        addItem(level, LevelEntryName(i).toLatin1().constData(), LevelName(i), [this, i] { SelectLevel(i); });
    levelActions_[i]->setCheckable(true);
  }
  addSeparator(level, "o");
  addItem(level, "HiScore", tr("ﾊｲｽｺｱ..."), [this] { side_.ShowBestTimes(); });
  addSeparator(level, "sss");
  addItem(level, "mn_HiScClr", tr("ﾊｲｽｺｱのｸﾘｱ..."), [this] {
    side_.AskAndClearBestTimes();
    // Clearing the table also switches to beginner, giving up a deal under
    // way; a refused question leaves the checks as the level says.
    RefreshLevelChecks();
    RefreshBusyPointer();
  });

  QMenu* help = addMenu("help", tr("ﾍﾙﾌﾟ"));
  everywhere(addItem(help, "mn_help", tr("Lumitile ﾍﾙﾌﾟ..."), [this] { side_.ShowHelp(); }, KeysFor(KeyCommand::Help)));
  addSeparator(help, "h");
  addItem(help, "mn_ver", tr("ﾊﾞｰｼﾞｮﾝ情報..."), [this] { side_.ShowAbout(); });
}

// The deal made ahead shows at once, a quick one is made in far less than a
// frame, and a game that waits for its deal has the busy pointer meanwhile.
void MainWindow::NewGame() { Run(cmd::NewGame{}); }

void MainWindow::DealFirstGame() { Run(cmd::NewGame{}); }

void MainWindow::RestoreGame(const SavedGame& game) { Run(cmd::Restore{game}); }

void MainWindow::Run(const Command& command) {
  const SpokenBefore before = BeforeCommand(game_);
  const Outcome outcome = game_.Execute(command);
  ShowOutcome(outcome);
  Tell(command, outcome, before);
  // Last, as its reply may come at once (a runner without a thread of its
  // own), and is then shown and told after this command.
  if (outcome.File) RunErrand(*outcome.File);
}

void MainWindow::RunErrand(FileErrand errand) {
  errands_->Run(std::move(errand), [this](FileReply reply) { Run(cmd::FileDone{std::move(reply)}); });
}

void MainWindow::SelectLevel(int level) {
  Run(cmd::SelectLevel{level});
  // A checkable item toggles itself when chosen; the session's level decides.
  RefreshLevelChecks();
  RefreshBusyPointer();
}

void MainWindow::SetZoom(int percent) { Run(cmd::SetZoom{percent}); }

void MainWindow::StepZoom(int steps) {
  const auto at = std::find(kZoomPercents.begin(), kZoomPercents.end(), game_.Zoom());
  const auto step = std::clamp<std::ptrdiff_t>(at - kZoomPercents.begin() + steps, 0,
                                               static_cast<std::ptrdiff_t>(kZoomPercents.size()) - 1);
  SetZoom(kZoomPercents[static_cast<std::size_t>(step)]);
}

void MainWindow::PickItem(Pick pick) { Run(cmd::PickItem{pick}); }

void MainWindow::ClickCell(int row, int column) { Run(cmd::ApplyPick{{row, column}}); }

void MainWindow::RightClickCell(int row, int column, int mark) { Run(cmd::MarkWithPick{{row, column}, mark}); }

void MainWindow::TogglePause() { Run(cmd::TogglePause{}); }

void MainWindow::ClearPlacedPanels() {
  if (ask_(this, ClearPanelsQuestion())) Run(cmd::ClearPlacedPanels{});
}

bool MainWindow::OfferPuzzleText(std::string_view text) {
  const PuzzleText read = ReadPuzzle(text);
  if (read.Error) {
    ask_(this, PuzzleTextNotice(*read.Error, text));
    return false;
  }
  return OfferGivens(read.Givens);
}

bool MainWindow::OfferGivens(const std::array<uint8_t, 81>& givens) {
  const PuzzleVerdict verdict = CheckPuzzle(givens);
  // The check's word comes before the game starts, so its clock does not
  // run while the player reads.
  if (!ask_(this, PuzzleVerdictQuestion(verdict)) || !Playable(verdict)) return false;
  Run(cmd::PlayPuzzle{givens, verdict.Solution});
  return true;
}

void MainWindow::OfferPuzzles(std::vector<std::string> puzzles) {
  nextPuzzles_.assign(std::make_move_iterator(puzzles.begin()), std::make_move_iterator(puzzles.end()));
  NextPuzzle();
}

void MainWindow::NextPuzzle() {
  if (nextPuzzles_.empty()) return;
  const std::string puzzle = std::move(nextPuzzles_.front());
  nextPuzzles_.pop_front();
  RefreshMenus();
  OfferPuzzleText(puzzle);
}

void MainWindow::PastePuzzle() { OfferPuzzleText(QGuiApplication::clipboard()->text().toStdString()); }

void MainWindow::CopyPuzzle() {
  if (game_.Dealt()) QGuiApplication::clipboard()->setText(QString::fromStdString(PuzzleLine(game_.PuzzleGivens())));
}

void MainWindow::EnterPuzzle() { Run(cmd::EnterPuzzle{}); }

void MainWindow::FinishEntry() {
  if (game_.Entering()) OfferGivens(game_.PuzzleGivens());
}

void MainWindow::RefreshClock() {
  if (game_.ClockInMinutes() != minutesClock_) {
    minutesClock_ = !minutesClock_;
    PlaceClock();
  }
  if (minutesClock_) {
    const auto digits = game_.ClockMinuteDigits();
    for (std::size_t i = 0; i < digits.size(); ++i) clockDigits_[i]->SetPicture(images_.Digit(digits[i]));
    clockColon_->SetPicture(images_.Colon());
  } else {
    const auto digits = game_.ClockDigits();
    for (std::size_t i = 0; i < digits.size(); ++i) clockDigits_[i]->SetPicture(images_.Digit(digits[i]));
  }
  // Wake only when the shown second turns; a stopped clock needs no timer.
  const int64_t wait = game_.MsUntilClockChanges();
  if (wait < 0) {
    clockTimer_.stop();
  } else {
    clockTimer_.start(static_cast<int>(wait));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the game at once, with the side windows;
  // the game in progress is kept for the next start.
  emit Ending();
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const KeyPlace place = palette_->Focused(focusWidget()) ? KeyPlace::Palette : KeyPlace::Board;
  const auto action = KeyActionFor(event->key(), event->modifiers(), place);
  if (!action) return QMainWindow::keyPressEvent(event);
  RunKey(*action);
  event->accept();
}

void MainWindow::RunKey(const KeyAction& action) {
  const Cell cursor = game_.Cursor();
  switch (action.Command) {
    case KeyCommand::MoveCursor: return Run(cmd::MoveCursor{action.Rows, action.Columns});
    case KeyCommand::RowEdge: return Run(cmd::CursorToRowEdge{action.Number == 1});
    case KeyCommand::PlacePanel: return Run(cmd::PickAndApply{Pick::Panel(action.Number - 1), cursor});
    case KeyCommand::Erase: return Run(cmd::PickAndApply{Pick::Eraser(), cursor});
    case KeyCommand::Hint: return Run(cmd::HintAt{cursor});
    case KeyCommand::ApplyPick: return Run(cmd::ApplyPick{cursor, true});
    case KeyCommand::ApplyOrFinishEntry: return game_.Entering() ? FinishEntry() : Run(cmd::ApplyPick{cursor, true});
    case KeyCommand::CopyPuzzle: return CopyPuzzle();
    case KeyCommand::PastePuzzle: return PastePuzzle();
    case KeyCommand::PutPickDown: return Run(cmd::PutPickDown{});
    case KeyCommand::ToggleMark: return Run(cmd::ToggleMark{cursor, action.Number, true});
    case KeyCommand::NewGame: return NewGame();
    case KeyCommand::End: close(); return;
    case KeyCommand::Help: return side_.ShowHelp();
    case KeyCommand::Pause: return TogglePause();
    case KeyCommand::Undo: return Run(cmd::Undo{});
    case KeyCommand::Redo: return Run(cmd::Redo{});
    case KeyCommand::ZoomIn: return StepZoom(1);
    case KeyCommand::ZoomOut: return StepZoom(-1);
    case KeyCommand::ZoomReset: return SetZoom(100);
    case KeyCommand::Print: return printing_->Start();
    case KeyCommand::SayTime:
      return Announce(this, tr("タイム %1").arg(SpokenTime(game_.ElapsedSeconds())));
    case KeyCommand::OpenMenu: return menuBar()->setActiveAction(menuBar()->actions().constFirst());
    case KeyCommand::PaletteStep: return palette_->Step(action.Number);
    case KeyCommand::PressItem:
      if (PictureBox* item = palette_->Focused(focusWidget())) item->click();
      return;
    case KeyCommand::CloseWindow: return;  // the side windows' key
    case KeyCommand::NextStep: return Run(cmd::NextStep{});
  }
}

void MainWindow::changeEvent(QEvent* event) {
  // Away from the window, away from the clock: minimising pauses, and the
  // game stays paused until the player resumes.
  if (event->type() == QEvent::WindowStateChange && isMinimized()) Run(cmd::Pause{});
  QMainWindow::changeEvent(event);
}

void MainWindow::ShowOutcome(const Outcome& outcome) {
  if (outcome.Play) sounds_.Play(*outcome.Play);
  // The highlight follows the cursor and the pick, which move without a change of the board.
  if (outcome.Cells || game_.Highlighting()) board_->update();
  RefreshDonePanels();
  if (outcome.Tokens) RefreshHintTokens();
  if (outcome.Pointer) RefreshPointer();
  // Before the first deal the clock's face follows the level.
  if (outcome.Clock || outcome.Level) RefreshClock();
  if (outcome.Level) RefreshLevelChecks();
  if (outcome.Judged && !outcome.RecordWaiting) {
    // A solve without a record still says so, then the board shows again.
    board_->ShowFinished(true);
    finishedTimer_.start(kFinishedMs);
  } else if (outcome.Cells && board_->FinishedShown()) {
    finishedTimer_.stop();
    board_->ShowFinished(false);
  }
  TellStep(outcome);
  if (outcome.RecordWaiting) side_.ShowRecordEntry();
  if (outcome.Trouble) side_.TellCannotSave(*outcome.Trouble);
  if (outcome.Table) side_.RefreshBestTimes();
  if (outcome.ShowTable) side_.PresentBestTimes();
  if (outcome.Deal) RunDeal(*outcome.Deal);
  if (outcome.Zoom) ApplyZoom();
  RefreshBusyPointer();
  RefreshMenus();
  if (outcome.Cells || outcome.Tokens || outcome.Clock) emit GameChanged();
}

void MainWindow::Tell(const Command& command, const Outcome& outcome, const SpokenBefore& before) {
  CellSet renamed = outcome.Changed;
  // A new board, the pause cover and its lifting rename every cell.
  if (NewBoard(command, outcome) || before.Paused != game_.Paused()) renamed.set();
  TellCellsChanged(board_, renamed);
  // A click moves the cursor too.
  if (outcome.Cursor || before.Cursor != game_.Cursor()) TellCursorFocused(board_, game_.Cursor());
  Announce(this, SpokenNews(command, outcome, game_, before));
  if (outcome.RecordWaiting) {
    if (QWidget* entry = side_.RecordEntry()) Announce(entry, tr("新記録"));
  }
}

void MainWindow::TellStep(const Outcome& outcome) {
  // The board's description carries the step told, for screen readers,
  // until the next move takes it off the board.
  const NextStepHelp* shown = game_.ShownStep();
  const QString said = shown ? board_->StepSentence() : QString();
  if (said != board_->accessibleDescription()) board_->setAccessibleDescription(said);
  // Asked again on the same board it says the same: said again all the same.
  if (outcome.Step) {
    Announce(this, said);
  }
}

void MainWindow::RunDeal(const DealOrder& order) {
  // The board comes back through this window's event loop, never inside the
  // command that ordered it, even when the deal is over at once; and not at
  // all once the window is gone, since the watcher goes with it. A deal given
  // up meanwhile is dropped by the session.
  auto* watcher = new QFutureWatcher<Board>(this);
  connect(watcher, &QFutureWatcher<Board>::finished, this, [this, watcher, order] {
    watcher->deleteLater();
    Run(cmd::FinishDeal{order, watcher->result()});
    emit DealReturned();
  });
  watcher->setFuture(QtConcurrent::run(&dealThreads_, [order] {
    YieldToTheWindow();
    return DealBoard(order);
  }));
}

void MainWindow::RefreshBusyPointer() {
  if (game_.Dealing() == busy_) return;
  busy_ = !busy_;
  if (busy_) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

void MainWindow::PlaceClock() {
  const WindowLayout layout = Zoomed(MainLayout(minutesClock_), game_.Zoom() / 100.0);
  for (PictureBox* box : {clockDigits_[0], clockDigits_[1], clockDigits_[2], clockDigits_[3], clockColon_}) {
    const QRect place = layout.Place(box->objectName());
    // A box the face does not use is hidden where it stands.
    if (!place.isEmpty()) box->setGeometry(place);
    box->setVisible(!place.isEmpty());
  }
}

void MainWindow::ApplyZoom() {
  const qreal zoom = game_.Zoom() / 100.0;
  const WindowLayout layout = Zoomed(MainLayout(minutesClock_), zoom);
  QWidget* client = centralWidget();
  client->setFixedSize(layout.Size);
  for (const ControlPlace& control : layout.Controls) {
    if (auto* widget = client->findChild<QWidget*>(control.Name, Qt::FindDirectChildrenOnly)) {
      widget->setGeometry(control.Rect);
    }
  }
  for (auto* box : client->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly)) box->SetZoom(zoom);
  client->findChild<QLabel*>(QStringLiteral("Label1"))->setFont(MakeFont(look::kTimeCaptionFont, zoom));
  client->findChild<QLabel*>(QStringLiteral("Label2"))->setFont(MakeFont(look::kCreditFont, zoom));
  auto* credit = client->findChild<QLabel*>(QStringLiteral("Label3"));
  credit->setFont(FittingGothicFont(credit->text(), credit->size(), zoom));
  PlaceClock();
  images_.SetZoom(zoom);
  RefreshPictures();
  RefreshPointer();
  // Radio entries check themselves when chosen; the session's zoom decides.
  for (std::size_t i = 0; i < kZoomPercents.size(); ++i) zoomActions_[i]->setChecked(game_.Zoom() == kZoomPercents[i]);

  // The menu bar keeps the desktop's size; the window is fixed round it and
  // the zoomed client area, and comes up again in the middle of the screen.
  const QSize size = layout.Size;
  setFixedSize(size.width(), size.height() + menuBar()->heightForWidth(size.width()));
  if (isVisible()) CentreOnScreen(this);
}

void MainWindow::RefreshPictures() {
  for (int i = 0; i < kHintCount; ++i) hintTokens_[i]->SetPicture(images_.Hint());
  for (int k = 0; k < 9; ++k) panels_[k]->SetPicture(images_.Panel(k + 1));
  eraser_->SetPicture(images_.Eraser());
  clearAll_->SetPicture(images_.Burst());
  RefreshClock();
  board_->update();
}

void MainWindow::RefreshMenus() {
  undoAction_->setEnabled(game_.CanUndo());
  redoAction_->setEnabled(game_.CanRedo());
  pauseAction_->setChecked(game_.Paused());
  pauseAction_->setEnabled(game_.Paused() || game_.CanPause());
  clashesAction_->setChecked(game_.ShowingDuplicates());
  finishEntryAction_->setEnabled(game_.Entering());
  nextPuzzleAction_->setEnabled(!nextPuzzles_.empty());
  copyPuzzleAction_->setEnabled(game_.Dealt());
  setWindowTitle(WindowTitleFor(game_.Kind(), game_.Entering()));
  printAction_->setEnabled(!printing_->Busy());
  highlightAction_->setChecked(game_.Highlighting());
  mistakesAction_->setChecked(game_.ShowingMistakes());
}

void MainWindow::RefreshDonePanels() {
  const uint16_t done = game_.Highlights().Done;
  for (int k = 0; k < 9; ++k) {
    const bool complete = done & MarkBit(k + 1);
    panels_[k]->SetDone(complete);
    // The tick told to screen readers too.
    const QString said = complete ? tr("9 つそろいました") : QString();
    if (panels_[k]->accessibleDescription() != said) panels_[k]->setAccessibleDescription(said);
  }
}

void MainWindow::RefreshLevelChecks() {
  for (int i = 0; i < kLevelCount; ++i) levelActions_[i]->setChecked(game_.Level() == i);
}

void MainWindow::RefreshHintTokens() {
  for (int i = 0; i < kHintCount; ++i) hintTokens_[i]->setVisible(game_.HintVisible(i));
  palette_->Refresh();
}

void MainWindow::RefreshPointer() {
  const PointerView pointer = game_.Pointer();
  for (int k = 0; k < 9; ++k) panels_[k]->SetPicked(pointer == Pick::Panel(k));
  eraser_->SetPicked(pointer == Pick::Eraser());
  for (int i = 0; i < kHintCount; ++i) hintTokens_[i]->SetPicked(pointer == Pick::Hint(i));
  if (!pointer) {
    centralWidget()->unsetCursor();
  } else {
    centralWidget()->setCursor(images_.PointerCursor(pointer));
  }
}

}  // namespace lumitile
