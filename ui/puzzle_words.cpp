#include "ui/puzzle_words.h"

#include <QCoreApplication>

#include "ui/level_names.h"
#include "ui/step_text.h"

namespace lumitile {

namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::PuzzleWords)
};

// A board cell as the player counts it, from the top and from the left.

QString ClashText(int cell, int earlier, int digit) {
  return Words::tr("%1の %2 が、同じ行・列・ブロックにある%3の %2 と重なっています。")
      .arg(StepText::CellName(cell))
      .arg(digit)
      .arg(StepText::CellName(earlier));
}

// A character of the text as it can be shown: a control character, or a
// byte that is no UTF-8, by its code.
QString Shown(std::string_view text, const PuzzleTextError& error) {
  const QString character = QString::fromUtf8(text.data() + error.Offset, static_cast<qsizetype>(error.Length));
  const QList<uint> codes = character.toUcs4();
  uint code = codes.isEmpty() ? 0xFFFD : codes.front();
  if (code == 0xFFFD) code = static_cast<unsigned char>(text[error.Offset]);
  if (code >= 0x20 && code != 0x7F && (code < 0x80 || code >= 0xA0) && character != QChar(0xFFFD)) return character;
  return QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
}

Question Notice(const char* name, QMessageBox::Icon icon, const QString& text) {
  return {QString::fromLatin1(name), icon, text, QMessageBox::Ok, QMessageBox::Ok};
}

}  // namespace

Question PuzzleTextNotice(const PuzzleTextError& error, std::string_view text) {
  const QString where = Words::tr("%1行目 %2文字目: ").arg(error.Line).arg(error.Column);
  QString what;
  switch (error.What) {
    case PuzzleTextError::Kind::kTooShort:
      what = Words::tr("問題が短すぎます。マスは81個必要ですが、%1個しかありません。").arg(error.Cells);
      break;
    case PuzzleTextError::Kind::kTooLong:
      what = where + Words::tr("82個目のマスがあります。問題は81マスです。");
      break;
    case PuzzleTextError::Kind::kStray:
      what = where + Words::tr("「%1」は問題に使えない文字です。\n"
                               "使えるのは数字 1～9、空きマスの 0 . *、読み飛ばす空白・改行と | - + です。")
                         .arg(Shown(text, error));
      break;
    case PuzzleTextError::Kind::kClash:
      what = where + ClashText(error.Cell, error.EarlierCell, text[error.Offset] - '0');
      break;
  }
  return Notice("PuzzleTextNotice", QMessageBox::Warning, what + Words::tr("\nこの問題は読み込めません。"));
}

bool Playable(const PuzzleVerdict& verdict) {
  return !verdict.Clash && verdict.Solutions != SolutionCount::kNone && verdict.Open > 0;
}

Question PuzzleVerdictQuestion(const PuzzleVerdict& verdict) {
  const QString unranked = Words::tr("\n持ち込んだ問題なので、ハイスコアには記録されません。");
  if (!Playable(verdict)) {
    const QString why = verdict.Clash ? ClashText(verdict.Clash->Cell, verdict.Clash->EarlierCell, verdict.Clash->Digit)
                        : verdict.Open == 0 ? Words::tr("この問題には空きマスがありません。")
                                            : Words::tr("この問題には答えがありません。");
    return Notice("PuzzleRefusedNotice", QMessageBox::Warning, why + Words::tr("\nこの問題は遊べません。"));
  }
  if (verdict.Solutions == SolutionCount::kSeveral) {
    return {QStringLiteral("SeveralSolutionsQuestion"), QMessageBox::Question,
            Words::tr("この問題には答えが複数あります。\n"
                      "きまりに合う埋め方ならどれでも完成です。ヒントはその一つを示します。") +
                unranked + Words::tr("\nこの問題で遊びますか？"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
  }
  const PuzzleGrade& graded = verdict.Grade;
  const QString grade = graded.Level && graded.Hardest
                            ? Words::tr("論理だけで解けます: %1 相当 (いちばん難しい技: %2)。")
                                  .arg(LevelName(*graded.Level), StepText::TechniqueName(*graded.Hardest, 0))
                            : Words::tr("論理だけでは解ききれません (名人より難しい問題です)。");
  return Notice("PuzzleCheckedNotice", QMessageBox::Information,
                Words::tr("答えが一つだけの問題です。\n") + grade + unranked);
}

QString WindowTitleFor(GameKind kind, bool entering) {
  if (entering) return Words::tr("Lumitile - 問題を入力中");
  if (kind == GameKind::kEntered) return Words::tr("Lumitile - 入力した問題");
  return QStringLiteral("Lumitile");
}

}  // namespace lumitile
