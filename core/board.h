// The 9 x 9 board of one game: the solution, the givens, the player's
// entries and pencil marks, each indexed [row][column].
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "core/game_types.h"

namespace lumitile {

using Grid = std::array<std::array<int16_t, kBoardSize>, kBoardSize>;
// Pencil marks of a cell: bit n set when number n (1..9) is marked.
using MarkGrid = std::array<std::array<uint16_t, kBoardSize>, kBoardSize>;
// One flag per cell, index row * 9 + column.
using CellSet = std::bitset<kBoardSize * kBoardSize>;

inline constexpr uint16_t MarkBit(int number) { return static_cast<uint16_t>(1u << number); }

struct Board {
  Grid Solution{};  // the complete solution, 1..9
  Grid Givens{};    // the given number, or 0 for an open cell
  Grid Entries{};   // the player's number in an open cell, or 0
  // Marks stay under a placed panel, hidden, and show again once it goes.
  MarkGrid Marks{};

  int16_t& Entry(Cell cell) { return Entries[cell.Row][cell.Column]; }
  int16_t Entry(Cell cell) const { return Entries[cell.Row][cell.Column]; }
  int16_t Given(Cell cell) const { return Givens[cell.Row][cell.Column]; }
  int16_t SolutionAt(Cell cell) const { return Solution[cell.Row][cell.Column]; }
  uint16_t& MarksAt(Cell cell) { return Marks[cell.Row][cell.Column]; }
  uint16_t MarksAt(Cell cell) const { return Marks[cell.Row][cell.Column]; }
};

// What a cell shows: its given, else the player's number, else nothing.
CellView ViewOf(const Board& board, Cell cell);

// True when every cell holds a number and every row, column and block holds
// 1 to 9 once. The givens may admit more than one filling; any valid one
// counts, not only the solution the puzzle was built from.
bool IsSolved(const Board& board);

// True when every cell shows a number.
bool IsFull(const Board& board);

// The cells whose number appears again in their row, column or block,
// givens included.
CellSet Clashes(const Board& board);

// True when grid holds 1 to 9 once in every row, column and block.
bool IsCompleteGrid(const Grid& grid);

}  // namespace lumitile
