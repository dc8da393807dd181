#include "document/ArchiveWriter.h"

#include "document/RecordMap.h"
#include "document/Scramble.h"

namespace orv {

void CArchiveWriter::Reserve(std::size_t bytes) {
  if (bytes <= m_Bytes.capacity()) return;
  m_Bytes.reserve(bytes);
  AdviseHugePages(m_Bytes.data(), m_Bytes.capacity());
}

void CArchiveWriter::WriteRaw(std::string_view bytes) {
  if (m_Sink && bytes.size() >= kPiece) {
    // A long body goes on as it stands rather than through the buffer.
    Hand();
    if (!m_SinkFailed) m_SinkFailed = !m_Sink(bytes);
    return;
  }
  m_Bytes.append(bytes);
}

void CArchiveWriter::Hand() {
  if (!m_SinkFailed && !m_Bytes.empty()) m_SinkFailed = !m_Sink(m_Bytes);
  m_Bytes.clear();
}

bool CArchiveWriter::Finish() {
  if (m_Sink) Hand();
  return !m_SinkFailed;
}

void CArchiveWriter::WriteWord(std::uint16_t value) {
  WriteByte(static_cast<std::uint8_t>(value));
  WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void CArchiveWriter::WriteDword(std::uint32_t value) {
  WriteWord(static_cast<std::uint16_t>(value));
  WriteWord(static_cast<std::uint16_t>(value >> 16));
}

void CArchiveWriter::WriteString(std::string_view text, bool scrambled) {
  const std::size_t n = text.size();
  if (n < 0xFF) {
    WriteByte(static_cast<std::uint8_t>(n));
  } else if (n < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(static_cast<std::uint16_t>(n));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(n));
  }
  const std::size_t start = m_Bytes.size();
  m_Bytes.append(text);
  if (scrambled) ToggleScramble(m_Bytes.data() + start, text.size());
}

void CArchiveWriter::WriteCount(std::size_t count) {
  if (count < 0xFFFF) {
    WriteWord(static_cast<std::uint16_t>(count));
  } else {
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(count));
  }
}

void CArchiveWriter::WriteStringList(const std::vector<std::string>& list) {
  WriteCount(list.size());
  for (const std::string& s : list) {
    WriteString(s);
    Spill();
  }
}

void CArchiveWriter::WriteNewObject(ArchiveClass cls) {
  std::uint32_t& classIndex = m_ClassIndex[static_cast<std::size_t>(cls)];
  if (classIndex == 0) {
    const std::string_view name = ArchiveClassName(cls);
    WriteWord(0xFFFF);
    WriteWord(kArchiveSchema);
    WriteWord(static_cast<std::uint16_t>(name.size()));
    m_Bytes.append(name);
    classIndex = m_NextIndex++;
  } else if (classIndex <= 0x7FFE) {
    WriteWord(static_cast<std::uint16_t>(0x8000 | classIndex));
  } else {
    WriteWord(0x7FFF);
    WriteDword(0x80000000u | classIndex);
  }
  ++m_NextIndex;
}

}  // namespace orv
