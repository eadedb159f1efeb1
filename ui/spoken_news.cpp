#include "ui/spoken_news.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/game_session.h"
#include "ui/accessibility.h"
#include "ui/level_names.h"

namespace lumitile {

namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::SpokenNews)
};

int TokensLeft(const GameSession& game) {
  int left = 0;
  for (int i = 0; i < kHintCount; ++i) left += game.HintVisible(i) ? 1 : 0;
  return left;
}

QString PickName(Pick pick) {
  switch (pick.What) {
    case Pick::Kind::Panel: return Words::tr("パネル %1").arg(pick.Index + 1);
    case Pick::Kind::Eraser: return Words::tr("消しゴム");
    case Pick::Kind::Hint: return Words::tr("ヒント %1").arg(pick.Index + 1);
  }
  return {};
}

QString CellName(const GameSession& game, Cell cell) {
  return CellAccessibleName(cell, game.CellAt(cell), game.MarksShown(cell), game.Paused());
}

}  // namespace

SpokenBefore BeforeCommand(const GameSession& game) { return {game.Paused(), TokensLeft(game), game.Cursor()}; }

bool NewBoard(const Command& command, const Outcome& outcome) {
  return outcome.Cells && (std::holds_alternative<cmd::NewGameOn>(command) ||
                           std::holds_alternative<cmd::NewGame>(command) ||
                           std::holds_alternative<cmd::FinishDeal>(command) ||
                           std::holds_alternative<cmd::Restore>(command) ||
                           std::holds_alternative<cmd::EnterPuzzle>(command) ||
                           std::holds_alternative<cmd::PlayPuzzle>(command));
}

QString SpokenNews(const Command& command, const Outcome& outcome, const GameSession& game,
                   const SpokenBefore& before) {
  QStringList said;
  if (std::holds_alternative<cmd::EnterPuzzle>(command) && outcome.Cells) {
    said << Words::tr("問題を入力");
  } else if (std::holds_alternative<cmd::PlayPuzzle>(command) && outcome.Cells) {
    said << Words::tr("新しいゲーム %1").arg(Words::tr("入力した問題"));
  } else if (NewBoard(command, outcome)) {
    said << (std::holds_alternative<cmd::Restore>(command) ? Words::tr("前回のゲームの続き %1")
                                                           : Words::tr("新しいゲーム %1"))
                .arg(LevelName(game.DealtLevel()));
  } else {
    if (std::holds_alternative<cmd::Undo>(command) && outcome.Cells) said << Words::tr("元に戻す");
    if (std::holds_alternative<cmd::Redo>(command) && outcome.Cells) said << Words::tr("やり直し");
    // The cells whose number changed; marks only when no number did (a
    // number put takes its marks off the peers, which goes without saying).
    const CellSet told = outcome.NumbersChanged.any() ? outcome.NumbersChanged : outcome.Changed;
    if (told.count() == 1) {
      int index = 0;
      while (!told.test(static_cast<std::size_t>(index))) ++index;
      said << CellName(game, {index / kBoardSize, index % kBoardSize});
    } else if (told.count() > 1) {
      said << Words::tr("%nマス", nullptr, static_cast<int>(told.count()));
    }
  }
  if (const auto* picked = std::get_if<cmd::PickItem>(&command); picked && outcome.Pointer && game.Pointer())
    said << PickName(*game.Pointer());
  if (std::holds_alternative<cmd::PutPickDown>(command) && outcome.Pointer) said << Words::tr("選択を解除");
  if (outcome.Tokens && !NewBoard(command, outcome) && TokensLeft(game) != before.Tokens)
    said << Words::tr("ヒント 残り%1").arg(TokensLeft(game));
  if (before.Paused != game.Paused()) said << (game.Paused() ? Words::tr("一時停止") : Words::tr("再開"));
  if (outcome.Solved) said << Words::tr("完成 %1").arg(SpokenTime(game.ElapsedSeconds()));
  if (outcome.Mistaken) said << Words::tr("間違いがあります");
  return said.join(QLatin1Char(' '));
}

}  // namespace lumitile
