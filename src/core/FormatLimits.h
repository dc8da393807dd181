#pragma once
// Values shared by the style records of the calendar file and the rich edit control's formats, kept
// in one place so that code using both sees one definition.

#include <cstddef>
#include <cstdint>

namespace orv {

// The Windows character set of Central European text, the calendar's own.
inline constexpr std::uint8_t kCharsetEastEurope = 238;
// Tab stops a paragraph (and a paragraph style) can hold.
inline constexpr int kMaxTabStops = 32;
// The longest RTF a commentary is read from, wherever it comes from.
inline constexpr std::size_t kMaxCommentaryRtf = std::size_t{64} << 20;

}  // namespace orv
