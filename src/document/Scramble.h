#pragma once
// The calendar file keeps its passwords and, from version 3, the text of its records with every byte
// XORed with ScrambleKey. Applying the toggle twice restores the text; a scrambled string may hold
// zero bytes, so it is always handled as counted bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace orv {

inline constexpr unsigned char ScrambleKey = 0xA7;

// Eight bytes at a time: commentaries are long and every one of them passes through here on each
// load and save.
inline void ToggleScramble(char* bytes, std::size_t length) {
  constexpr std::uint64_t kKeyWord = 0x0101010101010101ull * ScrambleKey;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    word ^= kKeyWord;
    std::memcpy(bytes + i, &word, 8);
  }
  for (; i < length; ++i) bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ ScrambleKey);
}

inline void ToggleScramble(std::string& text) {
  ToggleScramble(text.data(), text.size());
}

}  // namespace orv
