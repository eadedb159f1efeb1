#include "ui/about_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/fonts.h"
#include "ui/window_look.h"

namespace lumitile {

namespace {

void Colour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Lumitile について"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(SmallDialogFont());
  setFixedSize(308, 146);

  // The icon brings its @2x drawing along, as every other picture does.
  const QIcon icon(QStringLiteral(":/images/icon.png"));
  setWindowIcon(icon);
  // The labels paint no ground of their own, so they sit on this blue; their
  // text is fixed with it, or a dark desktop theme would draw light grey on it.
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(192, 192, 255));
  ground.setColor(QPalette::WindowText, Qt::black);
  setPalette(ground);
  setAutoFillBackground(true);

  // The button comes first so that it holds the focus when the window opens.
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(237, 117, 43, 19);
  // Return or Enter presses it while it has the focus.
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  QLabel* picture = AddLabel(this, QStringLiteral("Picture1"), {}, {12, 15, 32, 32});
  picture->setPixmap(icon.pixmap(QSize(32, 32), devicePixelRatioF()));

  // The line names the platform the game runs on.
  QLabel* title = AddLabel(this, QStringLiteral("Label1"), QStringLiteral("Lumitile for Linux"),
                           {51, 18, 252, 28});
  title->setFont(SerifFont(18, true, true));
  Colour(title, QColor(0, 0, 255));

  QLabel* version = AddLabel(this, QStringLiteral("Label2"), QStringLiteral("ver 0.1"), {259, 51, 46, 19});
  version->setFont(SerifFont(12, true));
  Colour(version, QColor(255, 0, 0));

  // The web address (Label6) and the e-mail address (Label5) are left out
  // until the game has real ones; their rows stay empty.
  AddLabel(this, QStringLiteral("Label3"), QStringLiteral("© 2026 Lumitile"), {24, 99, 100, 12});
  AddLabel(this, QStringLiteral("Label4"), QStringLiteral("Lumitile Project"), {24, 114, 163, 22})
      ->setFont(SerifFont(14.25, true));

  ok->setFocus();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace lumitile
