#include "app/game.h"

#include "ui/window_placement.h"

namespace lumitile {

Game::Game(GameParts parts)
    : session_(parts.Random, parts.Ticks, parts.Settings),
      started_(session_.Start()),
      images_(parts.DevicePixelRatio),
      window_(session_, images_, parts.Sounds, std::move(parts.DataFolders), std::move(parts.Asker)) {}

void Game::Show() {
  CentreOnScreen(&window_);
  window_.show();
  // Told before the deal, so the first game's clock does not run while the
  // player reads.
  if (started_.Trouble) window_.SideWindows().TellCannotSave(*started_.Trouble);
  window_.DealFirstGame();
}

}  // namespace lumitile
