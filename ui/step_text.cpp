#include "ui/step_text.h"

#include <QStringList>
#include <bit>
#include <vector>

// Every technique the solver knows must have its words: a new one without
// them fails to build.
#pragma GCC diagnostic error "-Wswitch"

namespace lumitile {

namespace {

QString UnitName(int unit) {
  if (unit < kFirstColumnUnit) return StepText::tr("%1行").arg(unit + 1);
  if (unit < kFirstBoxUnit) return StepText::tr("%1列").arg(unit - kFirstColumnUnit + 1);
  return StepText::tr("ブロック%1").arg(unit - kFirstBoxUnit + 1);
}

// This row / column / block, as the hidden single says it.
QString UnitKind(int unit) {
  if (unit < kFirstColumnUnit) return StepText::tr("この行");
  if (unit < kFirstBoxUnit) return StepText::tr("この列");
  return StepText::tr("このブロック");
}

int FirstUnit(UnitSet units) { return units == 0 ? 0 : std::countr_zero(units); }

QString UnitNames(UnitSet units) {
  QStringList names;
  for (UnitSet left = units; left != 0; left &= left - 1) names << UnitName(std::countr_zero(left));
  if (names.size() == 2) return StepText::tr("%1と%2").arg(names[0], names[1]);
  return names.join(StepText::tr("、"));
}

QString Numbers(uint16_t digits) {
  QStringList numbers;
  for (unsigned left = digits; left != 0; left &= left - 1) numbers << QString::number(std::countr_zero(left) + 1);
  if (numbers.size() == 2) return StepText::tr("%1 と %2").arg(numbers[0], numbers[1]);
  if (numbers.size() == 3) return StepText::tr("%1・%2・%3").arg(numbers[0], numbers[1], numbers[2]);
  return numbers.join(StepText::tr("、"));
}

// The two cells a chain or a wing hinges on: its ends, else its first two pattern cells.
QString Ends(const Step& step) {
  std::vector<int> ends;
  if (step.chain.size() >= 2) {
    ends = {step.chain.front(), step.chain.back()};
  } else {
    for (int i = 0; i < 81 && ends.size() < 2; ++i)
      if (step.pattern[static_cast<std::size_t>(i)]) ends.push_back(i);
  }
  if (ends.size() < 2) return ends.empty() ? QString() : StepText::CellName(ends[0]);
  return StepText::tr("%1と%2").arg(StepText::CellName(ends[0]), StepText::CellName(ends[1]));
}

// The first cell of a set, told by name; empty for none.
QString FirstCell(const CellSet& cells) {
  for (int i = 0; i < 81; ++i)
    if (cells[static_cast<std::size_t>(i)]) return StepText::CellName(i);
  return {};
}

QString Deduction(const Step& step) {
  const int size = std::popcount(static_cast<unsigned>(step.digits));
  const QString name = StepText::TechniqueName(step.technique, size);
  const QString unit = UnitName(FirstUnit(step.units));
  switch (step.technique) {
    case Technique::kNakedSingle:
      return StepText::tr("%1: 入る数字は %2 しか残っていません（%3）").arg(StepText::CellName(step.cell)).arg(step.digit).arg(name);
    case Technique::kHiddenSingle:
      return StepText::tr("%1: %2で %3 が入るのはここだけです（%4）")
          .arg(StepText::CellName(step.cell), UnitKind(FirstUnit(step.units)))
          .arg(step.digit)
          .arg(name);
    case Technique::kLockedCandidates:
      return StepText::tr("%1: %2 は%3の中にしか入らないので、%3のほかのマスから消せます（%4）")
          .arg(unit, Numbers(step.digits), UnitName(FirstUnit(step.coverUnits)), name);
    case Technique::kNakedSubset:
      return StepText::tr("%1: この %2 マスには %3 しか入らないので、ほかのマスから消せます（%4）")
          .arg(unit)
          .arg(size)
          .arg(Numbers(step.digits), name);
    case Technique::kHiddenSubset:
      return StepText::tr("%1: %2 が入るのはこの %3 マスだけなので、そのほかの候補を消せます（%4）")
          .arg(unit, Numbers(step.digits))
          .arg(size)
          .arg(name);
    case Technique::kXWing:
      return StepText::tr("%1: %2 はどちらも%3の上にしか入らないので、%3のほかのマスから消せます（%4）")
          .arg(UnitNames(step.units), Numbers(step.digits), UnitNames(step.coverUnits), name);
    case Technique::kNakedQuad:
      return StepText::tr("%1: この %2 マスには %3 しか入らないので、ほかのマスから消せます（%4）")
          .arg(unit)
          .arg(4)
          .arg(Numbers(step.digits), name);
    case Technique::kHiddenQuad:
      return StepText::tr("%1: %2 が入るのはこの %3 マスだけなので、そのほかの候補を消せます（%4）")
          .arg(unit, Numbers(step.digits))
          .arg(4)
          .arg(name);
    case Technique::kSwordfish:
    case Technique::kJellyfish:
      return StepText::tr("%1: %2 はどれも%3の上にしか入らないので、%3のほかのマスから消せます（%4）")
          .arg(UnitNames(step.units), Numbers(step.digits), UnitNames(step.coverUnits), name);
    case Technique::kFinnedXWing:
    case Technique::kFinnedSwordfish:
      return StepText::tr("%1: %2 は%3の上か、ひれのマスにしか入らないので、ひれと同じブロックの%3から消せます（%4）")
          .arg(UnitNames(step.units), Numbers(step.digits), UnitNames(step.coverUnits), name);
    case Technique::kSkyscraper:
      return StepText::tr("%1: %2 はどちらも 2 か所だけで、一方の端が%3にそろうので、残る両端から見えるマスには入りません（%4）")
          .arg(UnitNames(step.units), Numbers(step.digits), UnitNames(step.coverUnits), name);
    case Technique::kTwoStringKite:
      return StepText::tr("%1: %2 はどちらも 2 か所だけで、一方の端が%3にあるので、残る両端から見えるマスには入りません（%4）")
          .arg(UnitNames(step.units), Numbers(step.digits), UnitNames(step.coverUnits), name);
    case Technique::kSimpleColouring:
      return StepText::tr("%1 が 2 か所だけの組を二色に塗り分けると、正しいのはどちらかの色なので、枠のマスから %1 を消せます（%2）")
          .arg(Numbers(step.digits), name);
    case Technique::kXChain:
      return StepText::tr("%1: %2 の鎖の両端のどちらかに %2 が入るので、両端から見えるマスには入りません（%3）")
          .arg(Ends(step), Numbers(step.digits), name);
    case Technique::kXYWing:
      return StepText::tr("%1: ここにどちらが入っても、はさむ 2 マスのどちらかに %2 が入るので、両方から見えるマスには入りません（%3）")
          .arg(FirstCell(step.secondary), Numbers(step.digits), name);
    case Technique::kXYZWing:
      return StepText::tr("%1: ここか、はさむ 2 マスのどれかに %2 が入るので、3 つすべてから見えるマスには入りません（%3）")
          .arg(FirstCell(step.secondary), Numbers(step.digits), name);
    case Technique::kWWing:
      return StepText::tr("%1: 同じ 2 つの候補のこの 2 マスのどちらかに %2 が入るので、両方から見えるマスには入りません（%3）")
          .arg(Ends(step), Numbers(step.digits), name);
    case Technique::kXYChain:
      return StepText::tr("%1: 候補が 2 つのマスの鎖の両端のどちらかに %2 が入るので、両端から見えるマスには入りません（%3）")
          .arg(Ends(step), Numbers(step.digits), name);
    case Technique::kUniqueRectangle:
      return StepText::tr("%1: ここにも %2 のどちらかが入ると答えが 2 つになってしまうので、どちらも入りません（%3）")
          .arg(FirstCell(step.Targets()), Numbers(step.digits), name);
  }
  return {};
}

}  // namespace

QString StepText::CellName(int cell) { return tr("%1行%2列").arg(cell / 9 + 1).arg(cell % 9 + 1); }

QString StepText::TechniqueName(Technique technique, int subsetSize) {
  const auto subset = [subsetSize](const QString& pair, const QString& triple, const QString& either) {
    return subsetSize == 2 ? pair : subsetSize == 3 ? triple : either;
  };
  switch (technique) {
    case Technique::kNakedSingle: return tr("裸のシングル");
    case Technique::kHiddenSingle: return tr("隠れたシングル");
    case Technique::kLockedCandidates: return tr("候補の締め出し");
    case Technique::kNakedSubset: return subset(tr("裸のペア"), tr("裸のトリプル"), tr("裸のペアとトリプル"));
    case Technique::kHiddenSubset: return subset(tr("隠れたペア"), tr("隠れたトリプル"), tr("隠れたペアとトリプル"));
    case Technique::kXWing: return tr("X-Wing");
    case Technique::kNakedQuad: return tr("裸のクアッド");
    case Technique::kHiddenQuad: return tr("隠れたクアッド");
    case Technique::kSwordfish: return tr("ソードフィッシュ");
    case Technique::kJellyfish: return tr("ジェリーフィッシュ");
    case Technique::kFinnedXWing: return tr("ひれ付き X-Wing");
    case Technique::kFinnedSwordfish: return tr("ひれ付きソードフィッシュ");
    case Technique::kSkyscraper: return tr("スカイスクレイパー");
    case Technique::kTwoStringKite: return tr("ツーストリングカイト");
    case Technique::kSimpleColouring: return tr("シンプルカラーリング");
    case Technique::kXChain: return tr("X チェーン");
    case Technique::kXYWing: return tr("XY-Wing");
    case Technique::kXYZWing: return tr("XYZ-Wing");
    case Technique::kWWing: return tr("W-Wing");
    case Technique::kXYChain: return tr("XY チェーン");
    case Technique::kUniqueRectangle: return tr("ユニークレクタングル");
  }
  return {};
}

QString StepText::Sentence(const NextStepHelp& help, bool hintsLeft) {
  switch (help.What) {
    case NextStepHelp::Kind::Deduction: return Deduction(help.Found);
    case NextStepHelp::Kind::WrongPanel:
      return tr("%1: このパネルは間違っています。まずここを直しましょう")
          .arg(StepText::CellName(help.Wrong.Row * 9 + help.Wrong.Column));
    case NextStepHelp::Kind::PanelsDisagree:
      return tr("どのパネルもどれかの答えには合っていますが、いっしょには成り立ちません。どれかを置き直しましょう");
    case NextStepHelp::Kind::OutOfTechniques:
      return hintsLeft ? tr("このゲームの知っている手筋では、次の一手が見つかりません。ヒント（H）なら一マスの答えが分かります")
                       : tr("このゲームの知っている手筋では、次の一手が見つかりません。ヒントも使い切っています");
  }
  return {};
}

}  // namespace lumitile
