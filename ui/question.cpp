#include "ui/question.h"

#include <QCoreApplication>

namespace lumitile {

namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::Question)
};

}  // namespace

Question ClearPanelsQuestion() {
  return {QStringLiteral("ClearQuestion"), QMessageBox::NoIcon, Words::tr("配置している全てのパネルを消しますか？"),
          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
}

Question ClearTableQuestion() {
  return {QStringLiteral("ClearBestTimesQuestion"), QMessageBox::Critical,
          Words::tr("ハイスコアをクリアします。\nよろしいですか？"), QMessageBox::Ok | QMessageBox::Cancel,
          QMessageBox::Ok};
}

Question CannotSaveNotice(const QString& text) {
  return {QStringLiteral("CannotSaveNotice"), QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok};
}

bool AskInMessageBox(QWidget* parent, const Question& question) {
  QMessageBox box(question.Icon, Words::tr("メッセージ"), question.Text, question.Buttons, parent);
  box.setObjectName(question.ObjectName);
  box.setDefaultButton(question.Yes);
  return box.exec() == question.Yes;
}

}  // namespace lumitile
