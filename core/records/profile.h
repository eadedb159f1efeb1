// The game's settings file as the core uses it: two reads, and one way to
// change it. Text crosses it as UTF-8.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumitile {

struct Setting {
  std::string_view Section;
  std::string_view Key;
  std::string Value;
};

class Profile {
 public:
  virtual ~Profile() = default;

  // The key's value as a decimal integer, or fallback when the file, the
  // section or the key is missing.
  virtual int32_t ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) = 0;
  // The key's value, or fallback when the file, the section or the key is missing.
  virtual std::string ReadIniString(std::string_view section, std::string_view key,
                                    std::string_view fallback) = 0;
  // Stores every value, in order, as one change: the file is read once,
  // changed and replaced once. Every write of the game goes through here.
  // False when the file was left as it was.
  [[nodiscard]] virtual bool Change(std::span<const Setting> settings) = 0;
};

}  // namespace lumitile
