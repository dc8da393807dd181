#pragma once
// CRecordMap: the day records (DayKey -> CEntrTxt) or the month records (MonthKey -> CEntrTxt) of a
// calendar. A record read from a file stays a view into the file's bytes until it is first looked
// up: then its strings are unscrambled into a CEntrTxt that stays for as long as the entry. Until
// then an entry costs 12 bytes and is written back by copying its original bytes; a record that
// was looked up is written from its fields, which give the same bytes unless it was changed. Offers what
// CArchiveMap<CEntrTxt> offers:
//
//   map.Find(key)                   the record or nullptr; the const form only reads it
//   map.Insert(key, record)         a record added by the program (an existing key keeps its place)
//   map.Erase(key)
//   for (const auto& [key, record] : map)   every record, in key order (each one unscrambled)
//   map.Visit([](std::string_view key, const CEntrTxt& record) { ... })
//                                   every record in key order without keeping what it unscrambles
//
// A record taken unchanged from another map (InsertUnread) stays bytes of that map's file too: the
// map then shares that file's buffer as a further stretch of its offsets.
//
// Entries are written in the order of the program's own hash map (see ArchiveMap.h); entries read
// from a file keep the order in which they were read within their bucket.
//
// A record read under a key that is no date of its kind ("2004/13/01", "", a month key among the
// days) belongs to no day the program knows: it is kept aside, out of every lookup, count and walk,
// and written back as it was read, so that a damaged or foreign file loses nothing by a save.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/EntrTxt.h"

namespace orv {

class CArchiveWriter;

// Asks for huge pages for the whole 2 MB pages inside [data, data + size) of fresh memory.
void AdviseHugePages(char* data, std::size_t size);

// The bytes of a whole calendar file, shared by the records that are still views into it.
class CArchiveBuffer {
 public:
  CArchiveBuffer() = default;
  explicit CArchiveBuffer(std::shared_ptr<const char[]> data, std::size_t size)
      : m_Data(std::move(data)), m_Size(size) {}
  static CArchiveBuffer Copy(std::string_view bytes);
  // Uninitialised room for `size` bytes, to be filled through `writable` before the buffer is shared.
  // A large buffer asks for huge pages: a calendar of tens of megabytes is read into fresh memory on
  // every open, and faulting it in page by page costs more than reading it.
  static CArchiveBuffer Allocate(std::size_t size, char*& writable);
  std::string_view View() const { return {m_Data.get(), m_Size}; }
  // The same bytes, up to `size` of them (a file that shrank while it was read).
  CArchiveBuffer Prefix(std::size_t size) const { return CArchiveBuffer(m_Data, std::min(size, m_Size)); }

 private:
  std::shared_ptr<const char[]> m_Data;
  std::size_t m_Size = 0;
};

// What the keys of a map are: DayKey or MonthKey.
enum class RecordKeys : std::uint8_t { Day, Month };

// How the bodies of the records read from a file are stored.
enum class RecordForm : std::uint8_t {
  Scrambled,  // version 3: four strings, scrambled
  Plain,      // version 2: four strings
  Note,       // version 1: one string, the day's note
};

class CRecordMap {
  struct Slot;

 public:
  using Entry = std::pair<const std::string, CEntrTxt>;

  class const_iterator {
   public:
    const Entry& operator*() const { return m_Map->Materialize(m_Index); }
    const Entry* operator->() const { return &**this; }
    const_iterator& operator++() {
      ++m_Index;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return m_Index == o.m_Index; }

   private:
    friend class CRecordMap;
    const_iterator(const CRecordMap* map, std::size_t index) : m_Map(map), m_Index(index) {}
    const CRecordMap* m_Map;
    std::size_t m_Index;
  };

  CRecordMap();
  ~CRecordMap();
  CRecordMap(const CRecordMap& other);
  CRecordMap& operator=(const CRecordMap& other);
  CRecordMap(CRecordMap&&) noexcept;
  CRecordMap& operator=(CRecordMap&&) noexcept;

  std::size_t size() const { return m_Dated; }
  bool empty() const { return m_Dated == 0; }
  void clear();

  const CEntrTxt* Find(std::string_view key) const;
  // The record to change: it is written from its fields from now on.
  CEntrTxt* Find(std::string_view key);
  bool Contains(std::string_view key) const;
  // The record of `key` without keeping what it unscrambles: the entry's own record when it has one,
  // else `scratch` filled from the file's bytes; nullptr when there is none.
  const CEntrTxt* Peek(std::string_view key, CEntrTxt& scratch) const;
  CEntrTxt& Insert(std::string key, CEntrTxt record) { return Put(std::move(key), std::move(record), false); }
  // Replaces or adds the record of `key` as Insert does, but keeps it as its bytes, not its fields: a
  // merge that changes a million records then costs their bytes rather than a million records in
  // memory. Keys this map gave out before may no longer be valid afterwards.
  void Store(std::string_view key, const CEntrTxt& record);
  // Adds the record of `key` from `source` as Insert would, without reading it, where this map lacks
  // the key and the source record is unchanged from its file; false (nothing done) otherwise. Keys
  // this map gave out before may no longer be valid afterwards.
  bool InsertUnread(std::string_view key, const CRecordMap& source);
  // A record that comes from a file: last in its bucket.
  CEntrTxt& InsertLoaded(std::string key, CEntrTxt record) {
    return Put(std::move(key), std::move(record), true);
  }
  bool Erase(std::string_view key);
  // Between these two, records added under new keys (Insert, InsertUnread) are put in place all at
  // once at the end, in one pass, however they interleave with the keys there: a merge of a million
  // records then costs no million moves of the whole map. Meanwhile such a record is neither found
  // nor counted, and no key may be added twice.
  // `expected` (at most how many may come) takes the room for them at once, while nothing is pending,
  // rather than growing twice over as they come.
  void BeginInserts(std::size_t expected = 0);
  void EndInserts();
  // Erases the records of `keys` that are there, all in one pass over the map, so that a period of
  // thousands of days is deleted as fast as one day; returns how many it erased.
  std::size_t Erase(const std::vector<std::string>& keys);

  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, m_Dated}; }

  template <typename F>
  void Visit(F&& visit) const {
    CEntrTxt scratch;
    for (std::size_t i = 0; i < m_Dated; ++i) VisitAt(i, scratch, visit);
  }
  // The same for the entries at positions [first, last) in key order.
  template <typename F>
  void Visit(std::size_t first, std::size_t last, F&& visit) const {
    CEntrTxt scratch;
    for (std::size_t i = first; i < last; ++i) VisitAt(i, scratch, visit);
  }
  // The same for the entries at the given positions in key order (0 to size() - 1), in that order.
  template <typename F>
  void Visit(const std::vector<std::uint32_t>& positions, F&& visit) const {
    CEntrTxt scratch;
    for (std::uint32_t i : positions) VisitAt(i, scratch, visit);
  }
  std::string_view KeyAt(std::size_t position) const { return KeyOf(m_Slots[position]); }
  // The position of the first entry whose key is not below `key` (size() when there is none).
  std::size_t LowerPosition(std::string_view key) const {
    return static_cast<std::size_t>(LowerBound(key) - m_Slots.begin());
  }
  // The years of the first and the last record (keys sort by date); nullopt when there is none.
  std::optional<std::pair<int, int>> Years() const;
  // Records read under a key that is no date of the map's kind, kept aside (see above).
  std::size_t InvalidKeyCount() const { return m_Slots.size() - m_Dated; }
  // The bytes of a record as they were read, while the record is unchanged and would be written back
  // as read; empty otherwise. Equal bytes hold equal records, so a merge compares them unread.
  std::string_view RawBody(std::string_view key) const;
  // The same for the entry at `position` in key order (0 to size() - 1).
  std::string_view RawBodyAt(std::size_t position) const;

  // ---- reading and writing the calendar file (CalendarArchive) ----

  // Starts filling an empty map with records whose bodies are views into `buffer`; `keys` tells the
  // keys that belong to the map from those kept aside.
  void BeginLoading(CArchiveBuffer buffer, RecordForm form, RecordKeys keys);
  // Room for the entries the file announces (a count already checked against the file's size).
  void Reserve(std::size_t entries) { m_Slots.reserve(entries); }
  // One entry as read: the offsets of its key (a byte string, not in the UTF-16 form) and of its
  // checked body. A repeated key keeps its first place and takes the later body.
  void AddLoaded(std::size_t keyOffset, std::size_t bodyOffset);
  // An entry whose key had to be converted (the UTF-16 form).
  void AddLoaded(std::string key, std::size_t bodyOffset);
  // Ends filling: version-1 entries take the places of records added by the program and those with
  // an empty note are dropped, as no record may be empty; keys of no date go aside.
  void EndLoading();
  // The bytes a body takes from `offset`, checking each string against the end of the buffer; 0 when
  // it does not fit.
  static std::size_t BodySize(std::string_view bytes, std::size_t offset, RecordForm form);

  // Count, then each key and record in write order; records never changed are copied as they were read.
  void Write(CArchiveWriter& ar) const;
  // An upper bound of the bytes Write produces.
  std::size_t EstimatedBytes() const;

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;
  // Offsets from here on point into m_Arena (while it has bytes; the buffers then end below it).
  static constexpr std::uint32_t kArenaBase = 0x80000000;
  // A record that has been looked up, or made by the program: its key and its fields.
  struct Node : Entry {
    Node(std::string key, CEntrTxt record) : Entry(std::move(key), std::move(record)) {}
    bool changed = false;  // the fields, not the bytes read, decide what is written
  };
  // One of these per record: a million records of a damaged file cost 12 bytes each beside the file.
  struct Slot {
    std::uint32_t key;   // offset of the key in the buffer; kNone when the record has a node
    std::uint32_t body;  // offset of the body in the buffer; with a node, 1 + its index in m_Nodes
    std::int32_t order;  // within the bucket: added by the program below zero (newest lowest), read above
  };

  template <typename F>
  void VisitAt(std::size_t i, CEntrTxt& scratch, F& visit) const {
    if (const Entry* node = NodeOf(m_Slots[i])) {
      visit(std::string_view(node->first), node->second);
    } else {
      DecodeBody(m_Slots[i], scratch);
      visit(KeyOf(m_Slots[i]), scratch);
    }
  }
  CEntrTxt& Put(std::string key, CEntrTxt record, bool loaded);
  void Add(std::vector<Slot>::iterator at, const Slot& slot);
  // The bytes an offset of a slot points into and the offset within them; the buffer they belong to.
  std::pair<std::string_view, std::size_t> BytesAt(std::uint32_t offset) const;
  const CArchiveBuffer& BufferAt(std::uint32_t offset) const;
  RecordForm FormAt(std::uint32_t offset) const;
  std::size_t BodySizeOf(const Slot& slot) const;
  std::optional<std::uint32_t> BaseOf(const CArchiveBuffer& buffer);
  std::uint64_t BuffersEnd() const;
  bool InArena(std::uint32_t offset) const {
    return !m_Arena.empty() && offset >= kArenaBase && offset != kNone;
  }
  std::vector<Slot>::iterator LowerBound(std::string_view key) const;
  Slot* FindSlot(std::string_view key) const;
  std::string_view KeyOf(const Slot& slot) const;
  Node* NodeOf(const Slot& slot) const;
  const Entry& Materialize(std::size_t index) const;
  Entry& Materialize(Slot& slot) const;
  std::uint32_t NewNode(std::string key, CEntrTxt record) const;
  void FreeNode(Slot& slot);
  void DecodeBody(const Slot& slot, CEntrTxt& record) const;
  bool CopiesAsRead(const Slot& slot) const;
  void WriteEntry(CArchiveWriter& ar, const Slot& slot, CEntrTxt& scratch) const;
  void SetAsideInvalidKeys();

  CArchiveBuffer m_Buffer;
  // Buffers of other maps whose records were taken unread, at offsets after m_Buffer's, in order.
  struct Borrowed {
    std::uint32_t base;
    CArchiveBuffer buffer;
  };
  std::vector<Borrowed> m_Borrowed;
  // Keys and bodies of records kept by Store, in the file's form (scrambled).
  std::string m_Arena;
  RecordForm m_Form = RecordForm::Scrambled;
  RecordKeys m_Keys = RecordKeys::Day;
  // The records of dates sorted by key, then those kept aside (in no particular order): one vector,
  // as a damaged file may hold millions of them.
  mutable std::vector<Slot> m_Slots;
  std::size_t m_Dated = 0;  // how many of m_Slots are records of dates
  mutable std::vector<std::unique_ptr<Node>> m_Nodes;
  mutable std::vector<std::uint32_t> m_FreeNodes;
  std::vector<Slot> m_Pending;  // added under new keys since BeginInserts
  bool m_Batching = false;
  std::int32_t m_NextLoaded = 1;
  std::int32_t m_NextAdded = -1;
};

}  // namespace orv
