#include "core/deal_reserve.h"

#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

namespace {

// 64 bits from three 24-bit draws of the game's source.
uint64_t DrawSeed(RandomSource& random) {
  uint64_t seed = 0;
  for (int i = 0; i < 3; ++i) seed = seed << 24 | static_cast<uint64_t>(random.Next() * 16777216.0f);
  return seed;
}

// The first three levels deal in well under a millisecond.
bool QuickToDeal(int level) { return LevelParametersFor(level).has_value(); }

}  // namespace

Board DealBoard(const DealOrder& order) {
  SeededRandom random(order.Seed);
  Board board;
  if (const auto parameters = LevelParametersFor(order.Level)) {
    NewPuzzle(board, *parameters, random);
  } else if (const auto puzzle = DealUniquePuzzle(order.Level, random, order.GivenUp.get())) {
    for (int cell = 0; cell < 81; ++cell) {
      board.Solution[cell / 9][cell % 9] = puzzle->solution[static_cast<std::size_t>(cell)];
      board.Givens[cell / 9][cell % 9] = puzzle->givens[static_cast<std::size_t>(cell)];
    }
  }
  return board;
}

uint64_t DealReserve::Seed() {
  if (!seed_) seed_ = DrawSeed(random_);
  return *seed_;
}

DealOrder DealReserve::Order(int level) {
  Drop();
  auto givenUp = std::make_shared<std::atomic<bool>>(false);
  pending_ = Pending{{++orders_, level, Seed(), givenUp}, givenUp, std::nullopt};
  return pending_->Order;
}

void DealReserve::Drop() {
  if (pending_) *pending_->GivenUp = true;
  pending_.reset();
}

void DealReserve::Spend() {
  Drop();
  seed_.reset();
  waiting_ = false;
}

std::optional<Board> DealReserve::NewGame(int level, std::optional<DealOrder>& run) {
  run.reset();
  if (waiting_) Spend();
  if (!pending_ || pending_->Order.Level != level) run = Order(level);
  std::optional<Board> board = pending_->Dealt;
  // Made here, a quick deal is the very board the thread would bring.
  if (!board && QuickToDeal(level)) board = DealBoard(pending_->Order);
  if (board) {
    Spend();
    run.reset();
    return board;
  }
  waiting_ = true;
  return std::nullopt;
}

std::optional<Board> DealReserve::Finish(const DealOrder& order, const Board& board) {
  if (!pending_ || pending_->Order.Number != order.Number) return std::nullopt;
  if (!waiting_) {
    pending_->Dealt = board;
    return std::nullopt;
  }
  Spend();
  return board;
}

std::optional<DealOrder> DealReserve::Refill(int level) {
  if (!ahead_ || pending_) return std::nullopt;
  return Order(level);
}

std::optional<DealOrder> DealReserve::SwitchLevel(int level) {
  if (waiting_) Spend();
  if (pending_ && pending_->Order.Level == level) return std::nullopt;
  Drop();
  return Refill(level);
}

void DealReserve::StopWaiting() {
  if (waiting_) Spend();
}

}  // namespace lumitile
