#include "core/records/shift_jis.h"

#include <iconv.h>

#include <cerrno>

#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

// One iconv conversion descriptor for the length of one call.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of input as it can, appending to out and advancing
  // input. Returns 0 when done, otherwise the errno that stopped it.
  int Run(std::string_view& input, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    while (!input.empty()) {
      char buffer[256];
      char* in = const_cast<char*>(input.data());
      std::size_t inLeft = input.size();
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      input.remove_prefix(input.size() - inLeft);
      if (result != static_cast<std::size_t>(-1)) continue;
      if (error != E2BIG) return error;
    }
    return 0;
  }

 private:
  iconv_t handle_;
};

// Without the CP932 converter (a stripped-down system) the file still reads
// and writes its ASCII part; anything else is treated as unconvertible.
bool IsAscii(unsigned char byte) { return byte < 0x80; }

std::string AsciiOnlyToUtf8(std::string_view cp932) {
  std::string out;
  for (std::size_t pos = 0; pos < cp932.size(); pos += Cp932CharacterLength(cp932, pos)) {
    const auto byte = static_cast<unsigned char>(cp932[pos]);
    if (IsAscii(byte)) {
      out += static_cast<char>(byte);
    } else {
      out += kReplacementUtf8;
    }
  }
  return out;
}

// The conversion to CP932 with a fallback for each character that fails;
// returns false from the first failure when stopOnLoss is set.
bool ConvertToCp932(std::string_view utf8, std::string& out, bool stopOnLoss) {
  Converter converter("CP932", "UTF-8");
  while (!utf8.empty()) {
    int error = 0;
    if (converter.Usable()) {
      error = converter.Run(utf8, out);
      if (error == 0) break;
    } else if (IsAscii(static_cast<unsigned char>(utf8.front()))) {
      out += utf8.front();
      utf8.remove_prefix(1);
      continue;
    }
    if (stopOnLoss) return false;
    out += '?';
    utf8.remove_prefix(DecodeUtf8At(utf8, 0).length);
  }
  return true;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::size_t Cp932CharacterLength(std::string_view bytes, std::size_t pos) {
  const bool pair = pos + 1 < bytes.size() &&
                    IsCp932LeadByte(static_cast<unsigned char>(bytes[pos])) &&
                    IsCp932TrailByte(static_cast<unsigned char>(bytes[pos + 1]));
  return pair ? 2 : 1;
}

std::string_view Cp932Prefix(std::string_view bytes, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < bytes.size()) {
    const std::size_t next = end + Cp932CharacterLength(bytes, end);
    if (next > maxBytes) break;
    end = next;
  }
  return bytes.substr(0, end);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  Converter converter("UTF-8", "CP932");
  if (!converter.Usable()) return AsciiOnlyToUtf8(cp932);
  std::string out;
  while (!cp932.empty()) {
    if (converter.Run(cp932, out) == 0) break;
    // Skip the whole bad character, so a stray trail byte is not read as ASCII.
    out += kReplacementUtf8;
    cp932.remove_prefix(Cp932CharacterLength(cp932, 0));
  }
  return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out;
  ConvertToCp932(utf8, out, /*stopOnLoss=*/false);
  return out;
}

std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8) {
  std::string out;
  if (!ConvertToCp932(utf8, out, /*stopOnLoss=*/true)) return std::nullopt;
  return out;
}

}  // namespace lumitile
