#include "ui/window_look.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QKeyEvent>
#include <QWidget>

#include "core/game_types.h"
#include "ui/key_table.h"
#include "ui/layout.h"

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

void SetUpSideWindow(QWidget* window, const WindowLayout& layout, const QString& caption) {
  window->setObjectName(layout.Name);
  window->setWindowTitle(caption);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setFont(MakeFont(look::kDialogFont));
  window->setFixedSize(layout.Size);
}

namespace {

// Sees the keys the window's controls leave to the window.
class EscapeCloses final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto action = KeyActionFor(key->key(), key->modifiers(), KeyPlace::SideWindow);
    if (!action || action->Command != KeyCommand::CloseWindow) return false;
    static_cast<QWidget*>(watched)->close();
    return true;
  }
};

}  // namespace

void CloseOnEscape(QWidget* window) { window->installEventFilter(new EscapeCloses(window)); }

namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::Names)
};

QString StoredNoName() { return QString::fromUtf8(kNoName.data(), static_cast<qsizetype>(kNoName.size())); }

}  // namespace

QString NoNameText() { return Words::tr("名前なし"); }

QString ShownName(const QString& stored) {
  return stored == StoredNoName().leftJustified(kNameLength) ? NoNameText().leftJustified(kNameLength) : stored;
}

std::string StoredName(const QString& typed) {
  return (typed == NoNameText() ? StoredNoName() : typed).toStdString();
}

}  // namespace lumitile
