// The three operations the game uses on its settings file, as an interface so
// the game controller can be tested with a stand-in. Text crosses it as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumitile {

class Profile {
 public:
  virtual ~Profile() = default;

  // The key's value as a decimal integer, or fallback when the file, the
  // section or the key is missing.
  virtual int32_t ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) = 0;
  // The key's value, or fallback when the file, the section or the key is missing.
  virtual std::string ReadIniString(std::string_view section, std::string_view key,
                                    std::string_view fallback) = 0;
  // Stores value under section and key: -1 when written, 0 when nothing changed.
  virtual int32_t WriteIniString(std::string_view section, std::string_view key,
                                 std::string_view value) = 0;
};

}  // namespace lumitile
