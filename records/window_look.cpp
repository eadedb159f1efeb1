#include "records/window_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "display/fonts.h"

namespace lumitile {

QFont SmallDialogFont() {
  QFont font;
  font.setFamilies(GothicFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

QLabel* AddLabel(QWidget* window, const QString& name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, window);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  // The client area is placed, not the frame: the frame is not known before
  // the window first shows, and centring the client is the same everywhere.
  window->setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

}  // namespace lumitile
