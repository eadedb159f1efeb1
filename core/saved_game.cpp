#include "core/saved_game.h"

#include <charconv>
#include <vector>

#include "core/level_table.h"

namespace lumitile {

namespace {

constexpr std::string_view kHeader = "Lumitile saved game 1";
constexpr std::string_view kEnteredKind = "entered";
constexpr int kCells = kBoardSize * kBoardSize;

std::string GridDigits(const Grid& grid) {
  std::string digits;
  for (const auto& row : grid)
    for (const int16_t number : row) digits += static_cast<char>('0' + number);
  return digits;
}

std::string MarkFields(const MarkGrid& marks) {
  std::string text;
  for (int i = 0; i < kCells; ++i) {
    if (i > 0) text += ',';
    for (int n = 1; n <= 9; ++n)
      if (marks[i / kBoardSize][i % kBoardSize] & MarkBit(n)) text += static_cast<char>('0' + n);
  }
  return text;
}

// Splits off "name=value\n" from the front of text; nothing when the next
// line is not that name.
std::optional<std::string_view> TakeLine(std::string_view& text, std::string_view name) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  if (!line.starts_with(name) || line.size() == name.size() || line[name.size()] != '=') return std::nullopt;
  return line.substr(name.size() + 1);
}

// Plain decimal digits, no sign, no leading zero, within [low, high].
std::optional<int> Number(std::string_view text, int low, int high) {
  // from_chars takes a minus sign, and "-0" would pass the range.
  if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string_view::npos ||
      (text.size() > 1 && text[0] == '0')) {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<bool> Flag(std::string_view text) {
  if (text == "0") return false;
  if (text == "1") return true;
  return std::nullopt;
}

// 81 digits, each from low to 9.
std::optional<Grid> Digits(std::string_view text, int low) {
  if (text.size() != kCells) return std::nullopt;
  Grid grid{};
  for (int i = 0; i < kCells; ++i) {
    const char digit = text[static_cast<std::size_t>(i)];
    if (digit < '0' + low || digit > '9') return std::nullopt;
    grid[i / kBoardSize][i % kBoardSize] = static_cast<int16_t>(digit - '0');
  }
  return grid;
}

// 81 comma-separated fields, each its marked numbers in rising order.
std::optional<MarkGrid> Marks(std::string_view text) {
  MarkGrid marks{};
  int cell = 0;
  int last = 0;
  for (const char ch : text) {
    if (ch == ',') {
      if (++cell >= kCells) return std::nullopt;
      last = 0;
      continue;
    }
    const int n = ch - '0';
    if (n <= last || n > 9) return std::nullopt;
    marks[cell / kBoardSize][cell % kBoardSize] |= MarkBit(n);
    last = n;
  }
  if (cell != kCells - 1) return std::nullopt;
  return marks;
}

bool Consistent(const Board& board) {
  if (!IsCompleteGrid(board.Solution)) return false;
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const Cell cell{r, c};
      const bool given = board.Given(cell) != 0;
      if (given && board.Given(cell) != board.SolutionAt(cell)) return false;
      if (given && (board.Entry(cell) != 0 || board.MarksAt(cell) != 0)) return false;
    }
  }
  // A solved game is over; it is never kept.
  return !IsSolved(board);
}

}  // namespace

bool SavedGame::operator==(const SavedGame& other) const {
  return Position.Solution == other.Position.Solution && Position.Givens == other.Position.Givens &&
         Position.Entries == other.Position.Entries && Position.Marks == other.Position.Marks &&
         Hints == other.Hints && Level == other.Level && Seconds == other.Seconds && Paused == other.Paused &&
         Kind == other.Kind;
}

std::string WriteSavedGame(const SavedGame& game) {
  std::string hints;
  for (const bool unspent : game.Hints) hints += unspent ? '1' : '0';
  std::string text(kHeader);
  text += "\nlevel=" + std::to_string(game.Level);
  text += "\nseconds=" + std::to_string(game.Seconds);
  text += std::string("\npaused=") + (game.Paused ? '1' : '0');
  text += "\nhints=" + hints;
  text += "\nsolution=" + GridDigits(game.Position.Solution);
  text += "\ngivens=" + GridDigits(game.Position.Givens);
  text += "\nentries=" + GridDigits(game.Position.Entries);
  text += "\nmarks=" + MarkFields(game.Position.Marks);
  // A dealt game is written as before there were kinds, byte for byte.
  if (game.Kind == GameKind::kEntered) text += "\nkind=" + std::string(kEnteredKind);
  text += '\n';
  return text;
}

std::optional<SavedGame> ReadSavedGame(std::string_view text) {
  if (text.size() > kMaxSavedGameBytes || !text.starts_with(kHeader) || text.size() == kHeader.size() ||
      text[kHeader.size()] != '\n') {
    return std::nullopt;
  }
  text.remove_prefix(kHeader.size() + 1);
  SavedGame game;
  const auto level = TakeLine(text, "level");
  const auto seconds = TakeLine(text, "seconds");
  const auto paused = TakeLine(text, "paused");
  const auto hints = TakeLine(text, "hints");
  const auto solution = TakeLine(text, "solution");
  const auto givens = TakeLine(text, "givens");
  const auto entries = TakeLine(text, "entries");
  const auto marks = TakeLine(text, "marks");
  if (!text.empty()) {
    if (TakeLine(text, "kind") != kEnteredKind) return std::nullopt;
    game.Kind = GameKind::kEntered;
  }
  // Every line there, in its place, and nothing after.
  if (!level || !seconds || !paused || !hints || !solution || !givens || !entries || !marks || !text.empty()) {
    return std::nullopt;
  }
  const auto levelNumber = Number(*level, 0, kLevelCount - 1);
  if (!levelNumber) return std::nullopt;
  game.Level = *levelNumber;
  // The clock of the game's own level caps the time it can have played.
  const auto secondsNumber = Number(*seconds, 0, MaxShownSeconds(game.Level));
  const auto pausedFlag = Flag(*paused);
  if (!secondsNumber || !pausedFlag || hints->size() != kHintCount) return std::nullopt;
  game.Seconds = *secondsNumber;
  game.Paused = *pausedFlag;
  for (std::size_t i = 0; i < kHintCount; ++i) {
    const auto unspent = Flag(hints->substr(i, 1));
    if (!unspent) return std::nullopt;
    game.Hints[i] = *unspent;
  }
  const auto solutionGrid = Digits(*solution, 1);
  const auto givenGrid = Digits(*givens, 0);
  const auto entryGrid = Digits(*entries, 0);
  const auto markGrid = Marks(*marks);
  if (!solutionGrid || !givenGrid || !entryGrid || !markGrid) return std::nullopt;
  game.Position = Board{*solutionGrid, *givenGrid, *entryGrid, *markGrid};
  if (!Consistent(game.Position)) return std::nullopt;
  return game;
}

}  // namespace lumitile
