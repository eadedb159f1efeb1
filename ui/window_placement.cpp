#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace lumitile {

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), available);
  // A window larger than the screen (a large zoom on a small screen) keeps
  // its top-left corner, and so its menus, on the screen.
  place.moveTopLeft(QPoint(std::max(place.left(), available.left()), std::max(place.top(), available.top())));
  window->setGeometry(place);
}

}  // namespace lumitile
