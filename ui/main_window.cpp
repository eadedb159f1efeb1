#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
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

#include "core/game_session.h"
#include "ui/accessibility.h"
#include "ui/board_widget.h"
#include "ui/images.h"
#include "ui/key_table.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/sound_player.h"
#include "ui/window_look.h"
#include "ui/window_placement.h"

namespace lumitile {

MainWindow::MainWindow(GameSession& game, Images& images, SoundPlayer& sounds,
                       std::vector<std::filesystem::path> dataFolders, Ask ask)
    : game_(game),
      images_(images),
      sounds_(sounds),
      ask_(ask),
      side_(game, images, this, std::move(dataFolders), std::move(ask)) {
  InstallAccessibility();
  setObjectName(MainLayout().Name);
  setWindowTitle(QStringLiteral("Lumitile"));
  setWindowIcon(images_.Icon());
  // A fixed frame: a title, the window menu and the close box, nothing to
  // minimise, maximise or resize.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

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
  // The busy pointer is the application's; it must not outlive the window.
  if (busy_) QGuiApplication::restoreOverrideCursor();
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
  for (int i = 0; i < 3; ++i) clockDigits_[i] = box(QStringLiteral("Picture%1").arg(5 + i), Qt::black, false, {});
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
  // Captions carry no '&': none has an access key. The first entries show
  // no shortcut (the window takes their keys from the key table as they
  // come); the later ones take theirs from the table as shortcuts.
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
  addItem(file, "new_game", tr("新規ゲーム"), [this] { NewGame(); });
  pauseAction_ = addItem(file, "pause", tr("一時停止"), [this] { RunKey({KeyCommand::Pause}); },
                         KeysFor(KeyCommand::Pause));
  pauseAction_->setCheckable(true);
  addSeparator(file, "aa");
  addItem(file, "end_app", tr("終了"), [this] { close(); });

  QMenu* edit = addMenu("edit", tr("編集"));
  undoAction_ = addItem(edit, "undo", tr("元に戻す"), [this] { RunKey({KeyCommand::Undo}); },
                        KeysFor(KeyCommand::Undo));
  redoAction_ = addItem(edit, "redo", tr("やり直し"), [this] { RunKey({KeyCommand::Redo}); },
                        KeysFor(KeyCommand::Redo));
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
  const std::array<std::pair<const char*, QString>, kLevelCount> levels{{
      {"beg_game", tr("初級")},
      {"mid_game", tr("中級")},
      {"hi_game", tr("上級")},
      {"sup_game", tr("超上級")},
      {"mas_game", tr("達人")},
  }};
  for (int i = 0; i < kLevelCount; ++i) {
    levelActions_[i] = addItem(level, levels[i].first, levels[i].second, [this, i] { SelectLevel(i); });
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
  addItem(help, "mn_help", tr("Lumitile ﾍﾙﾌﾟ..."), [this] { side_.ShowHelp(); });
  addSeparator(help, "h");
  addItem(help, "mn_ver", tr("ﾊﾞｰｼﾞｮﾝ情報..."), [this] { side_.ShowAbout(); });
}

void MainWindow::NewGame() {
  // Building a solution can take a moment; the busy pointer says so.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const Outcome outcome = game_.Execute(cmd::NewGame{});
  QGuiApplication::restoreOverrideCursor();
  ShowOutcome(outcome);
}

void MainWindow::DealFirstGame() { Run(cmd::NewGame{}); }

void MainWindow::RestoreGame(const SavedGame& game) { Run(cmd::Restore{game}); }

void MainWindow::Run(const Command& command) { ShowOutcome(game_.Execute(command)); }

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

void MainWindow::RefreshClock() {
  const auto digits = game_.ClockDigits();
  for (std::size_t i = 0; i < digits.size(); ++i) clockDigits_[i]->SetPicture(images_.Digit(digits[i]));
  // The three digits read as one time, on the first of them.
  clockDigits_[0]->setAccessibleName(tr("タイム %n秒", nullptr, game_.ElapsedSeconds()));
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
  const auto action = KeyActionFor(event->key(), event->modifiers());
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
  if (outcome.Clock) RefreshClock();
  if (outcome.Level) RefreshLevelChecks();
  if (outcome.Solved && !outcome.RecordWaiting) {
    // A solve without a record still says so, then the board shows again.
    board_->ShowFinished(true);
    finishedTimer_.start(kFinishedMs);
  } else if (outcome.Cells && board_->FinishedShown()) {
    finishedTimer_.stop();
    board_->ShowFinished(false);
  }
  if (outcome.Cursor && board_->hasFocus() && QAccessible::isActive()) {
    const Cell cursor = game_.Cursor();
    QAccessibleEvent moved(board_, QAccessible::Focus);
    moved.setChild(cursor.Row * kBoardSize + cursor.Column);
    QAccessible::updateAccessibility(&moved);
  }
  TellStep(outcome);
  if (outcome.RecordWaiting) side_.ShowRecordEntry();
  if (outcome.Trouble) side_.TellCannotSave(*outcome.Trouble);
  if (outcome.Deal) RunDeal(*outcome.Deal);
  if (outcome.Zoom) ApplyZoom();
  RefreshBusyPointer();
  RefreshMenus();
  if (outcome.Cells || outcome.Tokens || outcome.Clock) emit GameChanged();
}

void MainWindow::TellStep(const Outcome& outcome) {
  // The board's description carries the step told, for screen readers,
  // until the next move takes it off the board.
  const NextStepHelp* shown = game_.ShownStep();
  const QString said = shown ? board_->StepSentence() : QString();
  if (said != board_->accessibleDescription()) board_->setAccessibleDescription(said);
  if (outcome.Step && QAccessible::isActive()) {
    // Asked again on the same board it says the same: said again all the same.
    QAccessibleEvent told(board_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&told);
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
  watcher->setFuture(QtConcurrent::run([order] { return DealBoard(order); }));
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

void MainWindow::ApplyZoom() {
  const qreal zoom = game_.Zoom() / 100.0;
  const WindowLayout layout = Zoomed(MainLayout(), zoom);
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
