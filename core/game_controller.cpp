#include "core/game_controller.h"

#include "core/board_click.h"
#include "core/level_table.h"
#include "core/solved_check.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/records/best_times.h"

namespace lumitile {

const char* SoundFileName(Sound sound) {
  return sound == Sound::Pick ? "np1.wav" : "np2.wav";
}

GameController::GameController(RandomSource& random, TickSource& ticks, Profile& settings,
                               GameEvents& events)
    : random_(random), settings_(settings), events_(events), clock_(ticks) {}

void GameController::LoadSettings() {
  InitGame(state_);
  LoadBestTimes(state_, settings_);
  // A stored level that names no level has already come back as beginner.
  const int16_t level = LoadLevel(state_, settings_);
  ApplyLevel(level);
  lumitile::SaveBestTimes(state_, settings_);
  SaveLevel(settings_, level);
}

void GameController::NewGame() {
  NewPuzzle(state_, random_);
  tokens_.ShowAll();
  clock_.Start();
  dealt_ = true;
}

void GameController::ApplyLevel(int16_t level) {
  const auto parameters = LevelParametersFor(level);
  if (!parameters) return;
  state_.OpenOdds = parameters->OpenOdds;
  state_.OpenQuota = parameters->OpenQuota;
  state_.CurrentLevel = level;
}

void GameController::SelectLevel(int16_t level) {
  if (!LevelParametersFor(level)) return;
  ApplyLevel(level);
  SaveLevel(settings_, level);
}

bool GameController::PickPanel(int16_t index) {
  if (!lumitile::PickPanel(state_, index)) return false;
  events_.PlaySound(Sound::Pick);
  return true;
}

bool GameController::PickEraser() {
  lumitile::PickEraser(state_);
  events_.PlaySound(Sound::Pick);
  return true;
}

bool GameController::PickHint(int16_t index) {
  if (!lumitile::PickHint(state_, tokens_, index)) return false;
  events_.PlaySound(Sound::Pick);
  return true;
}

int16_t GameController::ClickBoard(int x, int y) {
  if (!dealt_) return 0;
  const int16_t result = BoardClick(state_, tokens_, clock_, x, y);
  if (result != 0) CheckSolved();
  return result;
}

bool GameController::CheckSolved() {
  if (!IsSolved(state_)) return false;
  events_.PlaySound(Sound::Solved);
  // Stopping freezes the time at this moment, hint charges included.
  clock_.SetClockRunning(0);
  CheckRecord(clock_.ElapsedSeconds());
  return true;
}

void GameController::ClearPlacedPanels() { lumitile::ClearPlacedPanels(state_); }

bool GameController::CheckRecord(int32_t seconds) {
  const int16_t level = state_.CurrentLevel;
  if (state_.BestTimes[static_cast<std::size_t>(level)] <= seconds) return false;
  pending_ = PendingRecord{seconds, level};
  events_.RecordBroken(seconds);
  return true;
}

bool GameController::ConfirmRecord(std::string_view name) {
  if (!pending_) return false;
  const auto slot = static_cast<std::size_t>(pending_->Level);
  state_.BestNames[slot] = FitName(name);
  state_.BestTimes[slot] = pending_->Seconds;
  pending_.reset();
  return true;
}

std::array<BestTimeRow, 3> GameController::BestTimeTable() const {
  std::array<BestTimeRow, 3> rows;
  for (std::size_t level = 0; level < rows.size(); ++level) {
    rows[level] = {state_.BestTimes[level], state_.BestNames[level]};
  }
  return rows;
}

bool GameController::SaveBestTimes() { return lumitile::SaveBestTimes(state_, settings_); }

void GameController::ClearBestTimes() {
  ResetBestTimes(state_);
  SelectLevel(0);
  LoadLevel(state_, settings_);
  lumitile::SaveBestTimes(state_, settings_);
  LoadBestTimes(state_, settings_);
}

CellView GameController::Cell(int row, int column) const {
  if (row < 0 || row > 8 || column < 0 || column > 8) return {};
  const int given = state_.GivenGrid[row][column];
  if (given != 0) return {CellKind::Given, given};
  const int placed = state_.EntryGrid[row][column];
  if (placed != 0) return {CellKind::Placed, placed};
  return {};
}

bool GameController::HintVisible(int index) const {
  return index >= 0 && index <= 2 && tokens_.Visible[static_cast<std::size_t>(index)];
}

std::array<bool, 3> GameController::LevelChecks() const {
  const int level = state_.CurrentLevel;
  return {level == 0, level == 1, level == 2};
}

}  // namespace lumitile
