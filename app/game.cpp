#include "app/game.h"

#include <QGuiApplication>
#include <algorithm>

#include "app/kept_game_writer.h"
#include "core/records/kept_game_file.h"
#include "core/saved_game.h"
#include "ui/window_placement.h"

namespace lumitile {

Game::Game(GameParts parts)
    : session_(parts.Random, parts.Ticks, parts.Settings),
      started_(session_.Execute(cmd::Start{})),
      images_(parts.DevicePixelRatio),
      window_(session_, images_, parts.Sounds, std::move(parts.DataFolders), std::move(parts.Asker), parts.Errands),
      kept_(parts.Kept) {
  // Another running copy's kept game is left to it: this copy starts afresh
  // and keeps nothing, so neither copy writes over the other.
  if (kept_ && kept_->Claim() == KeptGameOwner::kAnotherCopy) kept_ = nullptr;
  if (!kept_) return;
  writer_ = std::make_unique<KeptGameWriter>(*kept_);
  QObject::connect(writer_.get(), &KeptGameWriter::Failed, &window_,
                   [this](const FileFailure& failure) { Tell(failure); });
  QObject::connect(&window_, &MainWindow::GameChanged, &window_, [this] {
    const auto game = session_.GameToKeep();
    writer_->Keep(game ? std::optional(WriteSavedGame(*game)) : std::nullopt);
  });
  QObject::connect(&window_, &MainWindow::Ending, &window_, [this] { KeepGame(attended_); });
  // A desktop session that ends takes the game with it; keep it first, and
  // ask nothing while the desktop waits.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_, [this] { KeepGame(false); });
}

Game::~Game() = default;

void Game::Show() {
  CentreOnScreen(&window_);
  window_.show();
  // Ordered before the deal, so a runner that answers at once tells its
  // trouble before the first game's clock runs.
  if (started_.File) window_.RunErrand(*started_.File);
  // A kept game that does not read back whole is no game: a fresh deal, which
  // is kept in its place.
  const std::string bytes = kept_ ? kept_->Read(kMaxSavedGameBytes) : std::string();
  if (const auto kept = ReadSavedGame(bytes)) {
    writer_->OnDisk(bytes);
    window_.RestoreGame(*kept);
  } else {
    window_.DealFirstGame();
  }
}

void Game::KeepGame(bool tell) {
  if (!writer_) return;
  const auto game = session_.GameToKeep();
  writer_->Keep(game ? std::optional(WriteSavedGame(*game)) : std::nullopt);
  const auto failure = writer_->Flush();
  if (failure && tell) Tell(*failure);
}

void Game::EndUnattended() {
  attended_ = false;
  window_.close();
}

void Game::Tell(const FileFailure& failure) {
  if (std::find(told_.begin(), told_.end(), failure) != told_.end()) return;
  told_.push_back(failure);
  window_.SideWindows().TellCannotSave({Keeping::kGame, failure});
}

}  // namespace lumitile
