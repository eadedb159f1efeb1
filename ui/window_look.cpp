#include "ui/window_look.h"

#include <QLabel>
#include <QWidget>

#include "ui/fonts.h"

namespace lumitile {

QFont SmallDialogFont() {
  QFont font = GothicFont();
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

}  // namespace lumitile
