#pragma once
// The calendar file keeps its passwords and, from version 3, the text of its records with every byte
// XORed with ScrambleKey. Applying the toggle twice restores the text; a scrambled string may hold
// zero bytes, so it is always handled as counted bytes.

#include <string>

namespace orv {

inline constexpr unsigned char ScrambleKey = 0xA7;

inline void ToggleScramble(std::string& text) {
  for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) ^ ScrambleKey);
}

}  // namespace orv
