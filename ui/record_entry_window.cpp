#include "ui/record_entry_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/window_look.h"

namespace lumitile {

RecordEntryWindow::RecordEntryWindow(QWidget* parent)
    : QWidget(parent, kToolWindowFlags), text_(new QLineEdit(QStringLiteral("名前なし"), this)) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("おめでとう！"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(SmallDialogFont());
  setFixedSize(153, 94);

  AddLabel(this, QStringLiteral("Label1"), QStringLiteral("ハイスコアです。"), {12, 6, 85, 12});
  AddLabel(this, QStringLiteral("Label2"), QStringLiteral("名前を入力してください。"), {12, 21, 124, 12});

  // Any length may be typed; the stored name is cut to fit the table later.
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setGeometry(21, 39, 112, 19);
  // Selected, so the first key typed replaces 名前なし instead of adding to it.
  text_->selectAll();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(51, 66, 49, 19);
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
