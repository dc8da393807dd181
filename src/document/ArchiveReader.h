#pragma once
// CArchiveReader: reads the calendar file's archive encoding from a byte buffer, trusting nothing in
// it. Every length and count is checked against the bytes that remain before anything is allocated,
// every object reference against the objects and classes met so far. The first fault stops the
// reader: it remembers a short Czech reason, and every later read returns zero or empty.
//
// Object references share one index counter for classes and objects, starting at 1. A back-reference
// to an object read earlier reads that object's body again from where it stands in the file (record
// bodies hold no references); the bytes read that way are limited to the size of the file, so a file
// cannot multiply itself in memory; each back-reference is charged at least kMinBackReferenceCharge,
// so that references to one small record cannot outnumber the bytes of the file either.
//
// Strings, names and styles that are kept as separate objects cost kHeldElementBytes of memory each
// (map entries several times that), where the file may spend one byte on one. Together they may take
// twice the file's size plus kHeldSlackBytes, so that a calendar read into memory with its own bytes
// stays within three times its size plus that, however its bytes are spent.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "document/ArchiveClasses.h"

namespace orv {

inline constexpr std::size_t kMinBackReferenceCharge = 32;
inline constexpr std::size_t kHeldElementBytes = 32;
inline constexpr std::size_t kHeldSlackBytes = std::size_t{16} << 20;

class CArchiveReader {
 public:
  explicit CArchiveReader(std::string_view bytes, std::size_t fileOffset = 0)
      : m_Bytes(bytes),
        m_FileOffset(fileOffset),
        m_HeldLimit((2 * bytes.size() + kHeldSlackBytes) / kHeldElementBytes),
        m_BackReferenceBudget(bytes.size()) {}

  bool Failed() const { return !m_Error.empty(); }
  // Why reading stopped (Czech, lower case), empty while all is well.
  const std::string& Error() const { return m_Error; }
  void Fail(std::string reason);

  std::size_t Position() const { return m_Pos; }
  std::size_t Remaining() const { return m_Bytes.size() - m_Pos; }
  // Where the reader stands in the whole file (a reader of a back-reference starts inside it).
  std::size_t FileOffset() const { return m_FileOffset + m_Pos; }

  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  std::uint32_t ReadDword();
  std::int16_t ReadShort() { return static_cast<std::int16_t>(ReadWord()); }
  std::int32_t ReadLong() { return static_cast<std::int32_t>(ReadDword()); }

  // A string in any of its length forms, the UTF-16 form converted to Windows-1250. `scrambled`
  // undoes ToggleScramble.
  std::string ReadString(bool scrambled = false);
  // Passes over a string, checking it as ReadString does; true when it is in the UTF-16 form.
  bool SkipString();
  // The number of elements of a collection whose elements take at least minElementBytes each.
  std::uint32_t ReadCount(std::size_t minElementBytes);
  std::vector<std::string> ReadStringList();
  // Room for the indices of `count` more objects.
  void ReserveObjects(std::size_t count) { m_BodyOffsets.reserve(m_BodyOffsets.size() + count); }
  // Counts elements that will be held as separate objects; fails beyond what the file's size allows.
  bool Hold(std::size_t elements);

  // Reads an object reference whose class must be one of `accepted`, then the object's body through
  // readBody(reader, class). False when the reader failed.
  template <typename ReadBody>
  bool ReadObject(std::initializer_list<ArchiveClass> accepted, ReadBody&& readBody) {
    const ObjectRef ref = ReadObjectRef(accepted);
    if (Failed()) return false;
    if (!ref.backReference) {
      readBody(*this, ref.cls);
      return !Failed();
    }
    CArchiveReader body(m_Bytes.substr(ref.bodyOffset), m_FileOffset + ref.bodyOffset);
    body.m_Held = m_Held;
    body.m_HeldLimit = m_HeldLimit;
    readBody(body, ref.cls);
    return AcceptBackReference(body);
  }

 private:
  struct ObjectRef {
    ArchiveClass cls = ArchiveClass::EntrTxt;
    bool backReference = false;
    std::size_t bodyOffset = 0;
  };
  // What each index of the counter stands for, in 4 bytes an object: a run of consecutive indices
  // shares its kind (class or object) and class, and an object's body offset is kept for the
  // back-references to it.
  struct IndexRun {
    std::uint32_t first;
    ArchiveClass cls;
    bool isClass;
  };

  bool Need(std::size_t bytes);
  std::uint32_t ReadStringLength(bool& utf16);
  bool FitsString(std::uint64_t length, bool utf16);
  ObjectRef ReadObjectRef(std::initializer_list<ArchiveClass> accepted);
  bool ReadNewClass(ArchiveClass& cls);
  bool AcceptBackReference(const CArchiveReader& body);

  std::string_view m_Bytes;
  std::size_t m_FileOffset;
  std::size_t m_Pos = 0;
  std::string m_Error;
  std::size_t m_HeldLimit;
  std::size_t m_Held = 0;
  void AddIndex(bool isClass, ArchiveClass cls, std::size_t bodyOffset);
  const IndexRun& RunOf(std::uint32_t index) const;
  // Index 0 stands for "no object".
  std::vector<std::uint32_t> m_BodyOffsets{0};
  std::vector<IndexRun> m_Runs{IndexRun{0, ArchiveClass::EntrTxt, false}};
  std::size_t m_BackReferenceBudget;
};

}  // namespace orv
