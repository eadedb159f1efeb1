// The game's two questions and its one notice, and the one way they are
// asked. The windows take the asking as a function, so tests answer without
// a message box.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace lumitile {

struct Question {
  QString ObjectName;
  QMessageBox::Icon Icon;
  QString Text;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::StandardButton Yes;  // the answer that goes ahead, also the default
};

// "配置している全てのパネルを消しますか？"
Question ClearPanelsQuestion();
// "ハイスコアをクリアします。..."
Question ClearTableQuestion();

// "...を保存できませんでした。" with its reason and the file's path: OK only.
Question CannotSaveNotice(const QString& text);

// True when the player gave the question's Yes.
using Ask = std::function<bool(QWidget* parent, const Question& question)>;

// The real thing: a modal message box titled "メッセージ".
bool AskInMessageBox(QWidget* parent, const Question& question);

}  // namespace lumitile
