#pragma once
// CArchiveWriter: writes the calendar file's archive encoding into a byte buffer: little-endian
// integers, strings and counts in their shortest length form, and object references that name each
// record class once and then refer to it by its index (one counter for classes and objects).
//
// Given a sink, the writer hands its bytes on in pieces of about a megabyte instead of keeping them
// all (Spill between entries, Finish at the end): a save then writes a calendar of any size through
// a buffer of fixed size.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ArchiveClasses.h"

namespace orv {

class CArchiveWriter {
 public:
  // Takes each piece of the archive in order; false when it could not (nothing more is then handed).
  using Sink = std::function<bool(std::string_view)>;

  CArchiveWriter() = default;
  explicit CArchiveWriter(Sink sink) : m_Sink(std::move(sink)) {}

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
  void WriteRaw(std::string_view bytes);
  // The reference that precedes the body of a new object of class cls.
  void WriteNewObject(ArchiveClass cls);

  const std::string& Bytes() const { return m_Bytes; }
  std::string TakeBytes() { return std::move(m_Bytes); }
  // Room for the whole archive, in huge pages where it is large.
  void Reserve(std::size_t bytes);

  // With a sink: hands on the bytes written so far once they are a piece's worth.
  void Spill() {
    if (m_Sink && m_Bytes.size() >= kPiece) Hand();
  }
  // With a sink: hands on the rest; false when the sink refused a piece.
  bool Finish();

 private:
  static constexpr std::size_t kPiece = std::size_t{1} << 20;
  void Hand();

  Sink m_Sink;
  bool m_SinkFailed = false;
  std::string m_Bytes;
  std::uint32_t m_NextIndex = 1;
  std::array<std::uint32_t, 6> m_ClassIndex{};  // 0 until the class has been written
};

}  // namespace orv
