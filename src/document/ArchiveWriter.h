#pragma once
// CArchiveWriter: writes the calendar file's archive encoding into a byte buffer: little-endian
// integers, strings and counts in their shortest length form, and object references that name each
// record class once and then refer to it by its index (one counter for classes and objects).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/ArchiveClasses.h"

namespace orv {

class CArchiveWriter {
 public:
  void WriteByte(std::uint8_t value) { m_Bytes.push_back(static_cast<char>(value)); }
  void WriteWord(std::uint16_t value);
  void WriteDword(std::uint32_t value);
  void WriteShort(std::int16_t value) { WriteWord(static_cast<std::uint16_t>(value)); }
  void WriteLong(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }

  // `scrambled` writes the text through ToggleScramble.
  void WriteString(std::string_view text, bool scrambled = false);
  void WriteCount(std::size_t count);
  void WriteStringList(const std::vector<std::string>& list);
  // Bytes already in the archive encoding (a record body copied as it was read).
  void WriteRaw(std::string_view bytes) { m_Bytes.append(bytes); }
  // The reference that precedes the body of a new object of class cls.
  void WriteNewObject(ArchiveClass cls);

  const std::string& Bytes() const { return m_Bytes; }
  std::string TakeBytes() { return std::move(m_Bytes); }
  // Room for the whole archive, in huge pages where it is large.
  void Reserve(std::size_t bytes);

 private:
  std::string m_Bytes;
  std::uint32_t m_NextIndex = 1;
  std::array<std::uint32_t, 6> m_ClassIndex{};  // 0 until the class has been written
};

}  // namespace orv
