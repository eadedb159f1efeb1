#include "ui/question.h"

namespace lumitile {

Question ClearPanelsQuestion() {
  return {QStringLiteral("ClearQuestion"), QMessageBox::NoIcon,
          QStringLiteral("配置している全てのパネルを消しますか？"), QMessageBox::Yes | QMessageBox::No,
          QMessageBox::Yes};
}

Question ClearTableQuestion() {
  return {QStringLiteral("ClearBestTimesQuestion"), QMessageBox::Critical,
          QStringLiteral("ハイスコアをクリアします。\nよろしいですか？"), QMessageBox::Ok | QMessageBox::Cancel,
          QMessageBox::Ok};
}

Question CannotSaveNotice(const QString& text) {
  return {QStringLiteral("CannotSaveNotice"), QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok};
}

bool AskInMessageBox(QWidget* parent, const Question& question) {
  QMessageBox box(question.Icon, QStringLiteral("メッセージ"), question.Text, question.Buttons, parent);
  box.setObjectName(question.ObjectName);
  box.setDefaultButton(question.Yes);
  return box.exec() == question.Yes;
}

}  // namespace lumitile
