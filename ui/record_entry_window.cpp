#include "ui/record_entry_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/layout.h"
#include "ui/window_look.h"

namespace lumitile {

RecordEntryWindow::RecordEntryWindow(QWidget* parent)
    : QWidget(parent, look::kToolWindowFlags), text_(new QLineEdit(NoNameText(), this)) {
  const WindowLayout& layout = RecordEntryLayout();
  SetUpSideWindow(this, layout, tr("おめでとう！"));

  for (const auto& [name, text] :
       {std::pair{"Label1", tr("ハイスコアです。")}, std::pair{"Label2", tr("名前を入力してください。")}}) {
    AddLabel(this, QLatin1String(name), text, layout.Place(QLatin1String(name)));
  }

  // Any length may be typed; the stored name is cut to fit the table later.
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setGeometry(layout.Place(text_->objectName()));
  // Selected, so the first key typed replaces 名前なし instead of adding to it.
  text_->selectAll();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(layout.Place(ok->objectName()));
  // Enter in the name box must not confirm a half-typed name by accident:
  // the window is no dialog, so no button is pressed on its behalf. Enter on
  // the button itself, once the player has moved there, presses it.
  ok->setAutoDefault(true);
  ok->setDefault(false);
  connect(ok, &QPushButton::clicked, this, &RecordEntryWindow::Confirm);

  setTabOrder(text_, ok);
  text_->setFocus();
}

void RecordEntryWindow::Confirm() {
  const QString name = text_->text();
  confirmed_ = true;
  close();
  emit Confirmed(name);
}

void RecordEntryWindow::closeEvent(QCloseEvent* event) {
  if (!confirmed_) emit Dismissed();
  event->accept();
}

}  // namespace lumitile
