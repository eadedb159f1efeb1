// Walking UTF-8 one character at a time. Text from a player, a settings file
// or another program may be damaged; every broken sequence counts as one
// replacement character so nothing downstream ever sees invalid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumitile {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCharacter {
  char32_t codePoint;  // kReplacementCharacter when the bytes were not valid UTF-8
  std::size_t length;  // bytes taken, at least 1
};

// The character starting at text[pos]; pos must be inside text. Overlong
// forms, surrogates and values past U+10FFFF are invalid.
DecodedCharacter DecodeUtf8At(std::string_view text, std::size_t pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// C0 controls, DEL and the C1 range: nothing a name or a value line may hold.
bool IsControlCharacter(char32_t codePoint);

}  // namespace lumitile
