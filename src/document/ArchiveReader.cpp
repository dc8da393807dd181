#include "document/ArchiveReader.h"

#include <algorithm>

#include "core/Cp1250.h"
#include "document/Scramble.h"

namespace orv {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
constexpr std::uint16_t kUtf16Marker = 0xFFFE;

// Class names come from the file: show them only as printable ASCII.
std::string Printable(std::string_view name) {
  std::string out;
  for (char c : name) out += (c >= 0x20 && c < 0x7F) ? c : '?';
  return out;
}

}  // namespace

void CArchiveReader::Fail(std::string reason) {
  if (Failed()) return;
  m_Error = std::move(reason);
  m_Pos = m_Bytes.size();
}

bool CArchiveReader::Need(std::size_t bytes) {
  if (Failed()) return false;
  if (bytes <= Remaining()) return true;
  Fail("soubor končí předčasně");
  return false;
}

std::uint8_t CArchiveReader::ReadByte() {
  if (!Need(1)) return 0;
  return static_cast<std::uint8_t>(m_Bytes[m_Pos++]);
}

std::uint16_t CArchiveReader::ReadWord() {
  if (!Need(2)) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(m_Bytes.data() + m_Pos);
  m_Pos += 2;
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t CArchiveReader::ReadDword() {
  if (!Need(4)) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(m_Bytes.data() + m_Pos);
  m_Pos += 4;
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// BYTE n below 0xFF; else WORD n below 0xFFFF; else DWORD n. A WORD 0xFFFE instead marks UTF-16 text
// whose length follows in the same forms (where 0xFFFE is then an ordinary length).
std::uint32_t CArchiveReader::ReadStringLength(bool& utf16) {
  utf16 = false;
  const std::uint8_t b = ReadByte();
  if (b < 0xFF) return b;
  std::uint16_t w = ReadWord();
  if (w == kUtf16Marker) {
    utf16 = true;
    const std::uint8_t b16 = ReadByte();
    if (b16 < 0xFF) return b16;
    w = ReadWord();
  }
  if (w < 0xFFFF) return w;
  return ReadDword();
}

std::string CArchiveReader::ReadString(bool scrambled) {
  bool utf16 = false;
  const std::uint64_t length = ReadStringLength(utf16);
  if (!FitsString(length, utf16)) return {};
  std::string text;
  if (utf16) {
    std::u16string units(length, u'\0');
    for (char16_t& u : units) u = ReadWord();
    text = Cp1250FromUtf16(units);
  } else {
    text.assign(m_Bytes.substr(m_Pos, length));
    m_Pos += length;
  }
  if (scrambled) ToggleScramble(text);
  return text;
}

bool CArchiveReader::FitsString(std::uint64_t length, bool utf16) {
  if (Failed()) return false;
  if ((utf16 ? length * 2 : length) <= Remaining()) return true;
  Fail("délka textu přesahuje konec souboru");
  return false;
}

bool CArchiveReader::SkipString() {
  bool utf16 = false;
  const std::uint64_t length = ReadStringLength(utf16);
  if (!FitsString(length, utf16)) return false;
  m_Pos += utf16 ? length * 2 : length;
  return utf16;
}

bool CArchiveReader::Hold(std::size_t elements) {
  if (Failed()) return false;
  if (elements <= m_HeldLimit - std::min(m_Held, m_HeldLimit)) {
    m_Held += elements;
    return true;
  }
  Fail("příliš mnoho jmen, svátků nebo stylů na velikost souboru");
  return false;
}

std::uint32_t CArchiveReader::ReadCount(std::size_t minElementBytes) {
  std::uint32_t count = ReadWord();
  if (count == 0xFFFF) count = ReadDword();
  if (Failed()) return 0;
  if (count > Remaining() / std::max<std::size_t>(minElementBytes, 1)) {
    Fail("počet položek " + std::to_string(count) + " přesahuje velikost souboru");
    return 0;
  }
  return count;
}

std::vector<std::string> CArchiveReader::ReadStringList() {
  const std::uint32_t count = ReadCount(1);
  if (!Hold(count)) return {};
  std::vector<std::string> list;
  list.reserve(count);
  for (std::uint32_t i = 0; i < count && !Failed(); ++i) list.push_back(ReadString());
  if (Failed()) list.clear();
  return list;
}

bool CArchiveReader::ReadNewClass(ArchiveClass& cls) {
  const std::uint16_t schema = ReadWord();
  const std::uint16_t nameLength = ReadWord();
  if (Failed()) return false;
  if (nameLength > kMaxClassNameLength) {
    Fail("název třídy je delší než 63 znaků");
    return false;
  }
  if (!Need(nameLength)) return false;
  const std::string_view name = m_Bytes.substr(m_Pos, nameLength);
  m_Pos += nameLength;
  const auto known = ArchiveClassFromName(name);
  if (!known) {
    Fail("neznámá třída záznamu \"" + Printable(name) + "\"");
    return false;
  }
  if (schema != kArchiveSchema) {
    Fail("třída " + std::string(name) + " má neznámé schéma " + std::to_string(schema));
    return false;
  }
  cls = *known;
  AddIndex(true, cls, 0);
  return true;
}

CArchiveReader::ObjectRef CArchiveReader::ReadObjectRef(std::initializer_list<ArchiveClass> accepted) {
  ObjectRef ref;
  const std::uint16_t tag = ReadWord();
  std::uint32_t index = 0;
  bool classReference = false;
  if (tag == kNewClassTag) {
    if (!ReadNewClass(ref.cls)) return ref;
    classReference = true;
    index = static_cast<std::uint32_t>(m_BodyOffsets.size() - 1);
  } else if (tag == kBigObjectTag) {
    const std::uint32_t big = ReadDword();
    classReference = (big & kBigClassTag) != 0;
    index = big & ~kBigClassTag;
  } else {
    classReference = (tag & kClassTag) != 0;
    index = tag & ~kClassTag;
  }
  if (Failed()) return ref;
  if (!classReference && index == 0) {
    Fail("chybí záznam (prázdný odkaz)");
    return ref;
  }
  if (index >= m_BodyOffsets.size() || RunOf(index).isClass != classReference) {
    Fail("chybný odkaz na záznam (index " + std::to_string(index) + ")");
    return ref;
  }
  ref.cls = RunOf(index).cls;
  if (std::find(accepted.begin(), accepted.end(), ref.cls) == accepted.end()) {
    Fail("záznam třídy " + std::string(ArchiveClassName(ref.cls)) + " na nepatřičném místě");
    return ref;
  }
  if (classReference) {
    AddIndex(false, ref.cls, m_Pos);
  } else {
    ref.backReference = true;
    ref.bodyOffset = m_BodyOffsets[index];
  }
  return ref;
}

void CArchiveReader::AddIndex(bool isClass, ArchiveClass cls, std::size_t bodyOffset) {
  const IndexRun& last = m_Runs.back();
  if (last.cls != cls || last.isClass != isClass)
    m_Runs.push_back({static_cast<std::uint32_t>(m_BodyOffsets.size()), cls, isClass});
  m_BodyOffsets.push_back(static_cast<std::uint32_t>(bodyOffset));
}

const CArchiveReader::IndexRun& CArchiveReader::RunOf(std::uint32_t index) const {
  return *std::prev(std::upper_bound(m_Runs.begin(), m_Runs.end(), index,
                                     [](std::uint32_t i, const IndexRun& run) { return i < run.first; }));
}

bool CArchiveReader::AcceptBackReference(const CArchiveReader& body) {
  if (body.Failed()) {
    Fail(body.Error());
    return false;
  }
  const std::size_t charge = std::max(body.Position(), kMinBackReferenceCharge);
  if (charge > m_BackReferenceBudget) {
    Fail("příliš mnoho opakovaných odkazů na záznamy");
    return false;
  }
  m_BackReferenceBudget -= charge;
  m_Held = body.m_Held;
  return true;
}

}  // namespace orv
