#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "core/game_session.h"
#include "ui/board_widget.h"
#include "ui/images.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/sound_player.h"
#include "ui/window_look.h"

namespace lumitile {

MainWindow::MainWindow(GameSession& game, const Images& images, SoundPlayer& sounds,
                       std::vector<std::filesystem::path> dataFolders, Ask ask)
    : game_(game),
      images_(images),
      sounds_(sounds),
      ask_(ask),
      side_(game, images, this, std::move(dataFolders), std::move(ask)) {
  setObjectName(MainLayout().Name);
  setWindowTitle(QStringLiteral("Lumitile"));
  setWindowIcon(images_.Icon());
  // A fixed frame: a title, the window menu and the close box, nothing to
  // minimise, maximise or resize.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  BuildClientArea();
  BuildMenus();
  const QSize client = MainLayout().Size;
  setFixedSize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));

  clockTimer_.setSingleShot(true);
  // The timer is set for the very millisecond the second turns; a coarse
  // timer could show it late by a visible amount.
  clockTimer_.setTimerType(Qt::PreciseTimer);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::RefreshClock);

  RefreshClock();
  RefreshLevelChecks();
  RefreshHintTokens();
  RefreshPointer();
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

  board_ = new BoardWidget(game_, images_, client);
  board_->setObjectName(QStringLiteral("Board"));
  board_->move(layout.Place(board_->objectName()).topLeft());
  connect(board_, &BoardWidget::CellClicked, this, &MainWindow::ClickCell);

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
    hintTokens_[i] = box(QStringLiteral("Picture4(%1)").arg(i), Qt::black, false, images_.Hint());
    connect(hintTokens_[i], &PictureBox::Clicked, this, pick(Pick::Hint(i)));
  }
  label("Label2", QStringLiteral("Tessaline"), look::kRed, MakeFont(look::kCreditFont));
  for (int k = 0; k < 9; ++k) {
    auto* panel = box(QStringLiteral("Picture1(%1)").arg(k), look::kLightGrey, true, images_.Panel(k + 1));
    connect(panel, &PictureBox::Clicked, this, pick(Pick::Panel(k)));
  }
  connect(box(QStringLiteral("Picture2"), look::kLightGreen, false, images_.Eraser()), &PictureBox::Clicked,
          this, pick(Pick::Eraser()));
  connect(box(QStringLiteral("Picture3"), look::kLightBlue, false, images_.Burst()), &PictureBox::Clicked,
          this, &MainWindow::ClearPlacedPanels);
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
  // Captions carry no '&' and the items no shortcut: none has an access key.
  const auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setMenuRole(QAction::NoRole);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  const auto addSeparator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  QMenu* file = addMenu("f", QStringLiteral("ﾌｧｲﾙ"));
  addItem(file, "new_game", QStringLiteral("新規ゲーム"), [this] { NewGame(); });
  addSeparator(file, "aa");
  addItem(file, "end_app", QStringLiteral("終了"), [this] { close(); });

  QMenu* level = addMenu("level", QStringLiteral("ﾚﾍﾞﾙ"));
  const std::array<std::pair<const char*, QString>, kLevelCount> levels{{
      {"beg_game", QStringLiteral("初級")},
      {"mid_game", QStringLiteral("中級")},
      {"hi_game", QStringLiteral("上級")},
  }};
  for (int i = 0; i < kLevelCount; ++i) {
    levelActions_[i] = addItem(level, levels[i].first, levels[i].second, [this, i] { SelectLevel(i); });
    levelActions_[i]->setCheckable(true);
  }
  addSeparator(level, "o");
  addItem(level, "HiScore", QStringLiteral("ﾊｲｽｺｱ..."), [this] { side_.ShowBestTimes(); });
  addSeparator(level, "sss");
  addItem(level, "mn_HiScClr", QStringLiteral("ﾊｲｽｺｱのｸﾘｱ..."), [this] {
    side_.AskAndClearBestTimes();
    // Clearing the table also switches to beginner; a refused question
    // leaves the checks as the level says.
    RefreshLevelChecks();
  });

  QMenu* help = addMenu("help", QStringLiteral("ﾍﾙﾌﾟ"));
  addItem(help, "mn_help", QStringLiteral("Lumitile ﾍﾙﾌﾟ..."), [this] { side_.ShowHelp(); });
  addSeparator(help, "h");
  addItem(help, "mn_ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報..."), [this] { side_.ShowAbout(); });
}

void MainWindow::NewGame() {
  // Building a solution can take a moment; the busy pointer says so.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const Outcome outcome = game_.NewGame();
  QGuiApplication::restoreOverrideCursor();
  ShowOutcome(outcome);
}

void MainWindow::DealFirstGame() { ShowOutcome(game_.NewGame()); }

void MainWindow::SelectLevel(int level) {
  ShowOutcome(game_.SelectLevel(level));
  // A checkable item toggles itself when chosen; the session's level decides.
  RefreshLevelChecks();
}

void MainWindow::PickItem(Pick pick) { ShowOutcome(game_.PickItem(pick)); }

void MainWindow::ClickCell(int row, int column) { ShowOutcome(game_.ApplyPick({row, column})); }

void MainWindow::ClearPlacedPanels() {
  if (ask_(this, ClearPanelsQuestion())) ShowOutcome(game_.ClearPlacedPanels());
}

void MainWindow::RefreshClock() {
  const auto digits = game_.ClockDigits();
  for (std::size_t i = 0; i < digits.size(); ++i) clockDigits_[i]->SetPicture(images_.Digit(digits[i]));
  // Wake only when the shown second turns; a stopped clock needs no timer.
  const int64_t wait = game_.MsUntilClockChanges();
  if (wait < 0) {
    clockTimer_.stop();
  } else {
    clockTimer_.start(static_cast<int>(wait));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the game at once, with the side windows.
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::ShowOutcome(const Outcome& outcome) {
  if (outcome.Play) sounds_.Play(*outcome.Play);
  if (outcome.Cells) board_->update();
  if (outcome.Tokens) RefreshHintTokens();
  if (outcome.Pointer) RefreshPointer();
  if (outcome.Clock) RefreshClock();
  if (outcome.Level) RefreshLevelChecks();
  if (outcome.RecordWaiting) side_.ShowRecordEntry();
  if (outcome.Trouble) side_.TellCannotSave(*outcome.Trouble);
}

void MainWindow::RefreshLevelChecks() {
  for (int i = 0; i < kLevelCount; ++i) levelActions_[i]->setChecked(game_.Level() == i);
}

void MainWindow::RefreshHintTokens() {
  for (int i = 0; i < kHintCount; ++i) hintTokens_[i]->setVisible(game_.HintVisible(i));
}

void MainWindow::RefreshPointer() {
  const PointerView pointer = game_.Pointer();
  if (!pointer) {
    unsetCursor();
  } else {
    setCursor(images_.PointerCursor(pointer));
  }
}

}  // namespace lumitile
