// The deal of the next new game, made ahead while a game is played so that
// a new game shows at once. Its seed is drawn from the game's own source
// once, and kept until a new game spends it, however early or late the deal
// is made, given up or made again for another level: the game's seed fixes
// every puzzle in order whatever the timing. The reserve only orders and
// holds deals; the view runs them off its thread (DealBoard) and hands the
// boards back.
#pragma once

#include <atomic>
#include <memory>
#include <optional>

#include "core/board.h"
#include "core/command.h"
#include "core/random_source.h"

namespace lumitile {

// The board of a deal: a pure function of the order, on any thread.
Board DealBoard(const DealOrder& order);

class DealReserve {
 public:
  explicit DealReserve(RandomSource& random) : random_(random) {}
  // A deal still running on another thread stops at its next try.
  ~DealReserve() { GiveUp(); }
  DealReserve(const DealReserve&) = delete;
  DealReserve& operator=(const DealReserve&) = delete;

  // Off, a deal is ordered only when a new game asks for it (as the game
  // once did; kept to prove the two give the same boards).
  void KeepAhead(bool on) { ahead_ = on; }
  // A new game waits for its deal.
  bool Waiting() const { return waiting_; }
  // The next game's deal is made and held: a new game at level shows at once.
  bool Holds(int level) const { return pending_ && pending_->Dealt && pending_->Order.Level == level; }

  // A new game at level spends the next seed. Its board, when the deal is
  // held or the level's deal is quick enough to make here; otherwise the
  // game waits, and `run` is the order to start when it is not running yet.
  // A game that was still waiting is given up first, its seed spent.
  std::optional<Board> NewGame(int level, std::optional<DealOrder>& run);
  // A deal back: the board of the game waiting for it; held when none
  // waits yet; nothing for a deal given up meanwhile.
  std::optional<Board> Finish(const DealOrder& order, const Board& board);
  // A game began: the next deal to make ahead, at level.
  std::optional<DealOrder> Refill(int level);
  // The level changed: a deal for another level is given up, and a game
  // that waited for it too (its seed spent); the deal to make instead.
  std::optional<DealOrder> SwitchLevel(int level);
  // A game given instead of dealt (a kept one, or a test's board): a game
  // still waiting for its deal is given up, its seed spent.
  void StopWaiting();
  // Every deal under way or held given up; the seed stays for the next game.
  void GiveUp() {
    Drop();
    waiting_ = false;
  }

 private:
  struct Pending {
    DealOrder Order;
    std::shared_ptr<std::atomic<bool>> GivenUp;
    std::optional<Board> Dealt;
  };
  uint64_t Seed();
  DealOrder Order(int level);
  // The deal under way or held is given up.
  void Drop();
  // The seed of the game asked for is used or given up with its deal.
  void Spend();

  RandomSource& random_;
  std::optional<uint64_t> seed_;    // the next new game's
  std::optional<Pending> pending_;  // the deal of seed_, under way or held
  uint64_t orders_ = 0;
  bool waiting_ = false;
  bool ahead_ = true;
};

}  // namespace lumitile
