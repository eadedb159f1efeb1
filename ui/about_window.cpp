#include "ui/about_window.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
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

  const QPixmap icon(QStringLiteral(":/images/icon.png"));
  setWindowIcon(QIcon(icon));
  // The labels paint no ground of their own, so they sit on this blue.
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(192, 192, 255));
  setPalette(ground);
  setAutoFillBackground(true);

  // The button comes first so that it holds the focus when the window opens.
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(237, 117, 43, 19);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  QLabel* picture = AddLabel(this, QStringLiteral("Picture1"), {}, {12, 15, 32, 32});
  picture->setPixmap(icon);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  QLabel* title = AddLabel(this, QStringLiteral("Label1"), QStringLiteral("Lumitile for Windows"),
                           {51, 18, 252, 28});
  title->setFont(SerifFont(18, true, true));
  Colour(title, QColor(0, 0, 255));

  QLabel* version = AddLabel(this, QStringLiteral("Label2"), QStringLiteral("ver 0.1"), {259, 51, 46, 19});
  version->setFont(SerifFont(12, true));
  Colour(version, QColor(255, 0, 0));

  AddLabel(this, QStringLiteral("Label6"), QStringLiteral("URL：https://lumitile.example.org/"),
           {24, 66, 206, 12});
  AddLabel(this, QStringLiteral("Label5"), QStringLiteral("E-Mail：lumitile@example.org"),
           {24, 81, 157, 12});
  AddLabel(this, QStringLiteral("Label3"), QStringLiteral("© 2026 Lumitile"), {24, 99, 100, 12});
  AddLabel(this, QStringLiteral("Label4"), QStringLiteral("Lumitile Project"), {24, 114, 163, 22})
      ->setFont(SerifFont(14.25, true));

  ok->setFocus();
}

}  // namespace lumitile
