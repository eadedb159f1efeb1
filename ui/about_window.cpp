#include "ui/about_window.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/images.h"
#include "ui/layout.h"
#include "ui/window_look.h"

namespace lumitile {

AboutWindow::AboutWindow(const Images& images, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
  const WindowLayout& layout = AboutLayout();
  SetUpSideWindow(this, layout, tr("Lumitile について"));
  setWindowIcon(images.Icon());
  // The labels paint no ground of their own, so they sit on this blue; their
  // text is fixed with it, or a dark desktop theme would draw light grey on it.
  QPalette ground = palette();
  ground.setColor(QPalette::Window, look::kLightBlue);
  ground.setColor(QPalette::WindowText, Qt::black);
  setPalette(ground);
  setAutoFillBackground(true);

  const auto label = [this, &layout](const char* name, const QString& text) {
    return AddLabel(this, QLatin1String(name), text, layout.Place(QLatin1String(name)));
  };

  // The button comes first so that it holds the focus when the window opens.
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(layout.Place(ok->objectName()));
  // Return or Enter presses it while it has the focus.
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  QLabel* picture = label("Picture1", {});
  picture->setPixmap(images.IconPicture());

  // The line names the platform the game runs on.
  QLabel* title = label("Label1", QStringLiteral("Lumitile for Linux"));
  title->setFont(MakeFont(look::kAboutTitleFont));
  SetTextColour(title, look::kBlue);

  QLabel* version = label("Label2", QStringLiteral("ver 0.1"));
  version->setFont(MakeFont(look::kAboutVersionFont));
  SetTextColour(version, look::kRed);

  // The web address (Label6) and the e-mail address (Label5) are left out
  // until the game has real ones; their rows stay empty.
  label("Label3", QStringLiteral("© 2026 Lumitile"));
  label("Label4", QStringLiteral("Lumitile Project"))->setFont(MakeFont(look::kAboutMakerFont));

  ok->setFocus();
  CloseOnEscape(this);
}

}  // namespace lumitile
