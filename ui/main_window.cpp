#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "ui/board_widget.h"
#include "ui/fonts.h"
#include "ui/images.h"
#include "ui/picture_box.h"
#include "core/game_controller.h"
#include "ui/window_events.h"

namespace lumitile {

namespace {

constexpr int kClientWidth = 404;
constexpr int kClientHeight = 290;

const QColor kLightBlue(192, 192, 255);
const QColor kLightGrey(192, 192, 192);
const QColor kLightGreen(192, 255, 192);

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QColor& colour, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

MainWindow::MainWindow(GameController& game, const Images& images, QWidget* parent)
    : QMainWindow(parent), game_(game), images_(images) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Lumitile"));
  setWindowIcon(images_.Icon());
  // A fixed frame: a title, the window menu and the close box, nothing to
  // minimise, maximise or resize.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  BuildClientArea();
  BuildMenus();
  setFixedSize(kClientWidth, kClientHeight + menuBar()->heightForWidth(kClientWidth));

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
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, kLightBlue);
  client->setPalette(palette);
  setCentralWidget(client);

  board_ = new BoardWidget(game_, images_, client);
  board_->setObjectName(QStringLiteral("Board"));
  board_->move(0, 0);
  connect(board_, &BoardWidget::Clicked, this, &MainWindow::ClickBoard);

  AddLabel(client, "Label1", QStringLiteral("TIME"), QRect(322, 3, 55, 24), Qt::yellow,
           SerifFont(15.75, true));
  for (int i = 0; i < 3; ++i) {
    clockDigits_[i] = new PictureBox(QStringLiteral("Picture%1").arg(5 + i),
                                     QRect(318 + 21 * i, 30, 20, 35), Qt::black, false, client);
  }
  for (int i = 0; i < 3; ++i) {
    auto* token = new PictureBox(QStringLiteral("Picture4(%1)").arg(i), QRect(303 + 30 * i, 69, 32, 32),
                                 Qt::black, false, client);
    token->SetPicture(images_.Hint());
    connect(token, &PictureBox::Clicked, this, [this, i] { PickHint(i); });
    hintTokens_[i] = token;
  }
  AddLabel(client, "Label2", QStringLiteral("Tessaline"), QRect(300, 108, 97, 19), Qt::red,
           SerifFont(12, true, true, true));
  for (int k = 0; k < 9; ++k) {
    auto* panel = new PictureBox(QStringLiteral("Picture1(%1)").arg(k),
                                 QRect(300 + 33 * (k % 3), 132 + 33 * (k / 3), 34, 34), kLightGrey,
                                 true, client);
    panel->SetPicture(images_.Panel(k + 1));
    connect(panel, &PictureBox::Clicked, this, [this, k] { PickPanel(k); });
  }
  auto* eraser = new PictureBox(QStringLiteral("Picture2"), QRect(315, 237, 32, 32), kLightGreen,
                                false, client);
  eraser->SetPicture(images_.Eraser());
  connect(eraser, &PictureBox::Clicked, this, &MainWindow::PickEraser);
  auto* clearAll = new PictureBox(QStringLiteral("Picture3"), QRect(357, 237, 32, 32), kLightBlue,
                                  false, client);
  clearAll->SetPicture(images_.Burst());
  connect(clearAll, &PictureBox::Clicked, this, &MainWindow::ClearPlacedPanels);
  const QString credit = QStringLiteral("© 2026 Lumitile Project");
  const QRect creditBox(300, 276, 100, 12);
  AddLabel(client, "Label3", credit, creditBox, Qt::yellow, FittingGothicFont(credit, creditBox.size()));
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  // The window has a fixed size around its menu bar, so the bar stays in the
  // window even on desktops that offer a global menu.
  bar->setNativeMenuBar(false);
  bar->setFont(GothicFont());

  const auto addMenu = [bar](const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->setFont(GothicFont());
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
  const std::array<std::pair<const char*, QString>, 3> levels{{
      {"beg_game", QStringLiteral("初級")},
      {"mid_game", QStringLiteral("中級")},
      {"hi_game", QStringLiteral("上級")},
  }};
  for (int i = 0; i < 3; ++i) {
    QAction* action = addItem(level, levels[i].first, levels[i].second,
                              [this, i] { SelectLevel(static_cast<int16_t>(i)); });
    action->setCheckable(true);
    levelActions_[i] = action;
  }
  addSeparator(level, "o");
  addItem(level, "HiScore", QStringLiteral("ﾊｲｽｺｱ..."), [this] {
    if (side_) side_->ShowBestTimes();
  });
  addSeparator(level, "sss");
  addItem(level, "mn_HiScClr", QStringLiteral("ﾊｲｽｺｱのｸﾘｱ..."), [this] {
    if (side_) side_->AskAndClearBestTimes();
    // Clearing the table also switches to beginner.
    RefreshLevelChecks();
  });

  QMenu* help = addMenu("help", QStringLiteral("ﾍﾙﾌﾟ"));
  addItem(help, "mn_help", QStringLiteral("Lumitile ﾍﾙﾌﾟ..."), [this] {
    if (side_) side_->ShowHelp();
  });
  addSeparator(help, "h");
  addItem(help, "mn_ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報..."), [this] {
    if (side_) side_->ShowAbout();
  });
}

bool MainWindow::AskClearPlacedPanels(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("メッセージ"),
                  QStringLiteral("配置している全てのパネルを消しますか？"),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("ClearQuestion"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void MainWindow::NewGame() {
  // Building a solution can take a moment; the busy pointer says so.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  game_.NewGame();
  QGuiApplication::restoreOverrideCursor();
  RefreshAfterMove();
}

void MainWindow::DealFirstGame() {
  game_.NewGame();
  RefreshAfterMove();
}

void MainWindow::SelectLevel(int16_t level) {
  game_.SelectLevel(level);
  // A checkable item toggles itself when chosen; the controller's level decides.
  RefreshLevelChecks();
}

void MainWindow::PickPanel(int index) {
  if (game_.PickPanel(static_cast<int16_t>(index))) RefreshPointer();
}

void MainWindow::PickEraser() {
  if (game_.PickEraser()) RefreshPointer();
}

void MainWindow::PickHint(int index) {
  if (game_.PickHint(static_cast<int16_t>(index))) RefreshPointer();
}

void MainWindow::ClickBoard(int x, int y) {
  game_.ClickBoard(x, y);
  RefreshAfterMove();
}

void MainWindow::ClearPlacedPanels() {
  if (!askClear_ || !askClear_(this)) return;
  game_.ClearPlacedPanels();
  board_->update();
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

void MainWindow::RefreshAfterMove() {
  board_->update();
  RefreshHintTokens();
  RefreshPointer();
  // A hint moves the clock on by 30 seconds and a solve stops it; show either now.
  RefreshClock();
}

void MainWindow::RefreshLevelChecks() {
  const auto checks = game_.LevelChecks();
  for (std::size_t i = 0; i < checks.size(); ++i) levelActions_[i]->setChecked(checks[i]);
}

void MainWindow::RefreshHintTokens() {
  for (std::size_t i = 0; i < hintTokens_.size(); ++i) {
    hintTokens_[i]->setVisible(game_.HintVisible(static_cast<int>(i)));
  }
}

void MainWindow::RefreshPointer() {
  const PointerView pointer = game_.Pointer();
  if (pointer.Kind == PointerKind::Default) {
    unsetCursor();
  } else {
    setCursor(images_.PointerCursor(pointer));
  }
}

}  // namespace lumitile
