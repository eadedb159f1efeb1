// Code page 932, the Shift-JIS variant Windows writes, as the settings file
// stores it. Text inside the game is UTF-8; the file keeps CP932 bytes so a
// settings file carried over from a Windows machine reads the same here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumitile {

bool IsCp932LeadByte(unsigned char byte);
bool IsCp932TrailByte(unsigned char byte);

// Bytes in the character starting at bytes[pos]: 2 for a lead byte followed by
// a trail byte, otherwise 1. Scanning by this keeps a trail byte that happens
// to equal '[', ']' or '\' from being taken for that ASCII character.
std::size_t Cp932CharacterLength(std::string_view bytes, std::size_t pos);

// The longest start of bytes no longer than maxBytes that does not end inside
// a double-byte character.
std::string_view Cp932Prefix(std::string_view bytes, std::size_t maxBytes);

// Bytes that are not valid CP932 come out as U+FFFD, one per bad character.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters CP932 cannot hold, and broken UTF-8, are written as '?'.
std::string Utf8ToCp932(std::string_view utf8);

// For names, where a '?' would quietly address another key: empty when any
// character cannot be converted.
std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8);

}  // namespace lumitile
