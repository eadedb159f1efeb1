// Case folding for names in the settings file and its folder, which Windows
// compares without regard to ASCII case and only ASCII case.
#pragma once

#include <string>
#include <string_view>

namespace lumitile {

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

}  // namespace lumitile
