#include "app/game.h"

#include "ui/window_placement.h"

namespace lumitile {

namespace {

GameSession& Started(GameSession& session) {
  session.Start();
  return session;
}

}  // namespace

Game::Game(GameParts parts)
    : session_(parts.Random, parts.Ticks, parts.Settings),
      images_(parts.DevicePixelRatio),
      window_(Started(session_), images_, parts.Sounds, std::move(parts.DataFolders), std::move(parts.Asker)) {}

void Game::Show() {
  CentreOnScreen(&window_);
  window_.show();
  window_.DealFirstGame();
}

}  // namespace lumitile
