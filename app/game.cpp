#include "app/game.h"

#include <QGuiApplication>

#include "core/records/kept_game_file.h"
#include "core/saved_game.h"
#include "ui/window_placement.h"

namespace lumitile {

Game::Game(GameParts parts)
    : session_(parts.Random, parts.Ticks, parts.Settings),
      started_(session_.Execute(cmd::Start{})),
      images_(parts.DevicePixelRatio),
      window_(session_, images_, parts.Sounds, std::move(parts.DataFolders), std::move(parts.Asker)),
      kept_(parts.Kept) {
  if (!kept_) return;
  QObject::connect(&window_, &MainWindow::Ending, &window_, [this] { KeepGame(); });
  // A desktop session that ends takes the game with it; keep it first.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_, [this] { KeepGame(); });
}

void Game::Show() {
  CentreOnScreen(&window_);
  window_.show();
  // Told before the deal, so the first game's clock does not run while the
  // player reads.
  if (started_.Trouble) window_.SideWindows().TellCannotSave(*started_.Trouble);
  // A kept game that does not read back whole is no game: a fresh deal, and
  // the file stays until the next keep replaces it.
  const auto kept = kept_ ? ReadSavedGame(kept_->Read(kMaxSavedGameBytes)) : std::nullopt;
  if (kept) {
    window_.RestoreGame(*kept);
  } else {
    window_.DealFirstGame();
  }
}

void Game::KeepGame() {
  if (!kept_) return;
  if (const auto game = session_.GameToKeep()) {
    (void)kept_->Keep(WriteSavedGame(*game));
  } else {
    kept_->Forget();
  }
}

}  // namespace lumitile
