#include "ui/window_look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "core/game_types.h"

namespace lumitile {

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

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

QString NoNameText() { return QString::fromUtf8(kNoName.data(), static_cast<qsizetype>(kNoName.size())); }

}  // namespace lumitile
