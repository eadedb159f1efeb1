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
  // Text hangs from the top of its box as the layout was drawn; centred, a
  // box taller than its line would push the text down.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Names typed by the player land here too; markup in one is only text.
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

}  // namespace lumitile
