#include "document/RecordMap.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "core/ArchiveMap.h"
#include "core/CalendarDates.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"

namespace orv {
namespace {

// One string at `pos`: where its bytes start, how many bytes it takes in all, and whether its length
// is written in the form the writer uses (and not as UTF-16). False when it does not fit.
struct StringSpan {
  std::size_t start = 0;
  std::size_t end = 0;
  bool canonical = true;
};

std::uint32_t Little(std::string_view b, std::size_t pos, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = v << 8 | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(i)]);
  return v;
}

bool SpanAt(std::string_view b, std::size_t pos, StringSpan& span) {
  const auto need = [&](std::size_t n) { return n <= b.size() - std::min(pos, b.size()); };
  bool utf16 = false;
  std::uint64_t length = 0;
  span.canonical = true;
  for (int round = 0; round < 2; ++round) {
    if (!need(1)) return false;
    length = static_cast<unsigned char>(b[pos++]);
    if (length < 0xFF) break;
    if (!need(2)) return false;
    length = Little(b, pos, 2);
    pos += 2;
    if (length == 0xFFFE && round == 0) {
      utf16 = true;
      continue;
    }
    if (length == 0xFFFF) {
      if (!need(4)) return false;
      length = Little(b, pos, 4);
      pos += 4;
      span.canonical = length >= 0xFFFE;
    } else {
      span.canonical = length >= 0xFF;
    }
    break;
  }
  if (utf16) {
    span.canonical = false;
    length *= 2;
  }
  if (!need(length)) return false;
  span.start = pos;
  span.end = pos + length;
  return true;
}

int StringsOf(RecordForm form) {
  return form == RecordForm::Note ? 1 : 4;
}

}  // namespace

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void AdviseHugePages(char* data, std::size_t size) {
  const auto start = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
  if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

CArchiveBuffer CArchiveBuffer::Allocate(std::size_t size, char*& writable) {
  if (size < 2 * kHugePage) {
    std::shared_ptr<char[]> data = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(size, 1));
    writable = data.get();
    return CArchiveBuffer(std::move(data), size);
  }
  // Mapped on a huge-page boundary, so that every 2 MB of it can be one page.
  const std::size_t length = size + kHugePage;
  void* mapped = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto aligned = (reinterpret_cast<std::uintptr_t>(mapped) + kHugePage - 1) & ~(kHugePage - 1);
  writable = reinterpret_cast<char*>(aligned);
  AdviseHugePages(writable, size);
  std::shared_ptr<const char[]> data(writable, [mapped, length](const char*) { ::munmap(mapped, length); });
  return CArchiveBuffer(std::move(data), size);
}

CArchiveBuffer CArchiveBuffer::Copy(std::string_view bytes) {
  char* data = nullptr;
  CArchiveBuffer buffer = Allocate(bytes.size(), data);
  if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
  return buffer;
}

CRecordMap::CRecordMap() = default;
CRecordMap::~CRecordMap() = default;
CRecordMap::CRecordMap(CRecordMap&&) noexcept = default;
CRecordMap& CRecordMap::operator=(CRecordMap&&) noexcept = default;

CRecordMap::CRecordMap(const CRecordMap& other) {
  *this = other;
}

CRecordMap& CRecordMap::operator=(const CRecordMap& other) {
  if (this == &other) return *this;
  m_Buffer = other.m_Buffer;
  m_Borrowed = other.m_Borrowed;
  m_Arena = other.m_Arena;
  m_Form = other.m_Form;
  m_Keys = other.m_Keys;
  m_Slots = other.m_Slots;
  m_Dated = other.m_Dated;
  m_Nodes.clear();
  m_FreeNodes.clear();
  for (Slot& slot : m_Slots) {
    if (const Node* node = other.NodeOf(slot)) {
      slot.body = NewNode(node->first, node->second);
      m_Nodes[slot.body - 1]->changed = node->changed;
    }
  }
  m_NextLoaded = other.m_NextLoaded;
  m_NextAdded = other.m_NextAdded;
  return *this;
}

void CRecordMap::clear() {
  *this = CRecordMap();
}

// ---- lookup ----

std::pair<std::string_view, std::size_t> CRecordMap::BytesAt(std::uint32_t offset) const {
  if (InArena(offset)) return {m_Arena, offset - kArenaBase};
  if (m_Borrowed.empty() || offset < m_Borrowed.front().base) return {m_Buffer.View(), offset};
  const Borrowed& region = *(std::upper_bound(m_Borrowed.begin(), m_Borrowed.end(), offset,
                                              [](std::uint32_t o, const Borrowed& b) { return o < b.base; }) -
                             1);
  return {region.buffer.View(), offset - region.base};
}

const CArchiveBuffer& CRecordMap::BufferAt(std::uint32_t offset) const {
  if (m_Borrowed.empty() || offset < m_Borrowed.front().base) return m_Buffer;
  return (std::upper_bound(m_Borrowed.begin(), m_Borrowed.end(), offset,
                           [](std::uint32_t o, const Borrowed& b) { return o < b.base; }) -
          1)
      ->buffer;
}

// Only records of the writer's own form are ever borrowed.
RecordForm CRecordMap::FormAt(std::uint32_t offset) const {
  if (InArena(offset)) return RecordForm::Scrambled;
  return m_Borrowed.empty() || offset < m_Borrowed.front().base ? m_Form : RecordForm::Scrambled;
}

std::size_t CRecordMap::BodySizeOf(const Slot& slot) const {
  const auto [bytes, at] = BytesAt(slot.body);
  return BodySize(bytes, at, FormAt(slot.body));
}

std::string_view CRecordMap::KeyOf(const Slot& slot) const {
  if (slot.key == kNone) return NodeOf(slot)->first;
  StringSpan span;
  const auto [bytes, at] = BytesAt(slot.key);
  SpanAt(bytes, at, span);  // checked when it was read
  return bytes.substr(span.start, span.end - span.start);
}

CRecordMap::Node* CRecordMap::NodeOf(const Slot& slot) const {
  return slot.key == kNone ? m_Nodes[slot.body - 1].get() : nullptr;
}

std::vector<CRecordMap::Slot>::iterator CRecordMap::LowerBound(std::string_view key) const {
  return std::lower_bound(m_Slots.begin(), m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated), key,
                          [this](const Slot& slot, std::string_view k) { return KeyOf(slot) < k; });
}

CRecordMap::Slot* CRecordMap::FindSlot(std::string_view key) const {
  const auto it = LowerBound(key);
  return it != m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated) && KeyOf(*it) == key ? &*it : nullptr;
}

const CEntrTxt* CRecordMap::Find(std::string_view key) const {
  Slot* slot = FindSlot(key);
  return slot ? &Materialize(*slot).second : nullptr;
}

CEntrTxt* CRecordMap::Find(std::string_view key) {
  Slot* slot = FindSlot(key);
  if (!slot) return nullptr;
  Materialize(*slot);
  Node* node = NodeOf(*slot);
  node->changed = true;
  return &node->second;
}

bool CRecordMap::Contains(std::string_view key) const {
  return FindSlot(key) != nullptr;
}

const CEntrTxt* CRecordMap::Peek(std::string_view key, CEntrTxt& scratch) const {
  const Slot* slot = FindSlot(key);
  if (!slot) return nullptr;
  if (const Entry* node = NodeOf(*slot)) return &node->second;
  DecodeBody(*slot, scratch);
  return &scratch;
}

std::optional<std::pair<int, int>> CRecordMap::Years() const {
  if (m_Dated == 0) return std::nullopt;
  const auto year = [](std::string_view key) { return std::stoi(std::string(key.substr(0, 4))); };
  return std::pair{year(KeyOf(m_Slots.front())), year(KeyOf(m_Slots[m_Dated - 1]))};
}

// ---- records as views ----

std::uint32_t CRecordMap::NewNode(std::string key, CEntrTxt record) const {
  auto node = std::make_unique<Node>(std::move(key), std::move(record));
  if (!m_FreeNodes.empty()) {
    const std::uint32_t index = m_FreeNodes.back();
    m_FreeNodes.pop_back();
    m_Nodes[index - 1] = std::move(node);
    return index;
  }
  m_Nodes.push_back(std::move(node));
  return static_cast<std::uint32_t>(m_Nodes.size());
}

// The slot is erased or overwritten next.
void CRecordMap::FreeNode(Slot& slot) {
  if (slot.key != kNone) return;
  m_Nodes[slot.body - 1].reset();
  m_FreeNodes.push_back(slot.body);
}

void CRecordMap::DecodeBody(const Slot& slot, CEntrTxt& record) const {
  const auto [bytes, at] = BytesAt(slot.body);
  CArchiveReader ar(bytes.substr(at));
  const RecordForm form = FormAt(slot.body);
  const bool scrambled = form == RecordForm::Scrambled;
  record.m_Poznamka = ar.ReadString(scrambled);
  if (form == RecordForm::Note) {
    record.m_Rtf.clear();
    record.m_Text.clear();
    record.m_Rezerva.clear();
    return;
  }
  record.m_Rtf = ar.ReadString(scrambled);
  record.m_Text = ar.ReadString(scrambled);
  record.m_Rezerva = ar.ReadString(scrambled);
}

CRecordMap::Entry& CRecordMap::Materialize(Slot& slot) const {
  if (NodeOf(slot) == nullptr) {
    CEntrTxt record;
    DecodeBody(slot, record);
    const std::uint32_t node = NewNode(std::string(KeyOf(slot)), std::move(record));
    slot = Slot{kNone, node, slot.order};
  }
  return *NodeOf(slot);
}

const CRecordMap::Entry& CRecordMap::Materialize(std::size_t index) const {
  return Materialize(m_Slots[index]);
}

// ---- changes ----

CEntrTxt& CRecordMap::Put(std::string key, CEntrTxt record, bool loaded) {
  const auto it = LowerBound(key);
  if (it != m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated) && KeyOf(*it) == key) {
    Materialize(*it);
    Node* existing = NodeOf(*it);
    existing->second = std::move(record);
    existing->changed = true;
    return existing->second;
  }
  const std::int32_t order = loaded ? m_NextLoaded++ : m_NextAdded--;
  const std::uint32_t node = NewNode(std::move(key), std::move(record));
  m_Nodes[node - 1]->changed = true;
  Add(it, Slot{kNone, node, order});
  return m_Nodes[node - 1]->second;
}

std::uint64_t CRecordMap::BuffersEnd() const {
  return m_Borrowed.empty() ? m_Buffer.View().size()
                            : std::uint64_t{m_Borrowed.back().base} + m_Borrowed.back().buffer.View().size();
}

std::optional<std::uint32_t> CRecordMap::BaseOf(const CArchiveBuffer& buffer) {
  if (buffer.View().data() == m_Buffer.View().data()) return 0;
  for (const Borrowed& region : m_Borrowed)
    if (region.buffer.View().data() == buffer.View().data()) return region.base;
  const std::uint64_t base = BuffersEnd();
  // Beyond what a slot can point at, or where the arena's offsets begin.
  if (base + buffer.View().size() >= (m_Arena.empty() ? kNone : kArenaBase)) return std::nullopt;
  m_Borrowed.push_back({static_cast<std::uint32_t>(base), buffer});
  return static_cast<std::uint32_t>(base);
}

bool CRecordMap::InsertUnread(std::string_view key, const CRecordMap& source) {
  const Slot* from = source.FindSlot(key);
  if (!from || from->key == kNone || source.InArena(from->key) || !source.CopiesAsRead(*from)) return false;
  const auto it = LowerBound(key);
  if (it != m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated) && KeyOf(*it) == key) return false;
  // Key and body lie in one buffer of the source: both come from one reading.
  const CArchiveBuffer& buffer = source.BufferAt(from->body);
  const std::uint32_t sourceBase = from->body - static_cast<std::uint32_t>(source.BytesAt(from->body).second);
  const std::optional<std::uint32_t> base = BaseOf(buffer);
  if (!base) return false;
  Add(it, Slot{*base + (from->key - sourceBase), *base + (from->body - sourceBase), m_NextAdded--});
  return true;
}

void CRecordMap::Store(std::string_view key, const CEntrTxt& record) {
  CArchiveWriter ar;
  ar.WriteString(key);
  const std::size_t body = ar.Bytes().size();
  for (const std::string* text : {&record.m_Poznamka, &record.m_Rtf, &record.m_Text, &record.m_Rezerva})
    ar.WriteString(*text, /*scrambled=*/true);
  if (BuffersEnd() > kArenaBase || m_Arena.size() + ar.Bytes().size() >= kNone - kArenaBase) {
    Insert(std::string(key), record);  // no room for arena offsets: kept as fields
    return;
  }
  // Found before the arena grows: `key` may be one of its own.
  const auto it = LowerBound(key);
  const bool existing = it != m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated) && KeyOf(*it) == key;
  const auto at = kArenaBase + static_cast<std::uint32_t>(m_Arena.size());
  m_Arena.append(ar.Bytes());
  const Slot slot{at, at + static_cast<std::uint32_t>(body), existing ? it->order : m_NextAdded--};
  if (!existing) {
    Add(it, slot);
    return;
  }
  FreeNode(*it);
  *it = slot;
}

void CRecordMap::Add(std::vector<Slot>::iterator at, const Slot& slot) {
  if (m_Batching) {
    m_Pending.push_back(slot);
    return;
  }
  m_Slots.insert(at, slot);
  ++m_Dated;
}

void CRecordMap::BeginInserts(std::size_t expected) {
  m_Batching = true;
  m_Slots.reserve(m_Slots.size() + expected);
  m_Pending.reserve(expected);
}

void CRecordMap::EndInserts() {
  m_Batching = false;
  if (m_Pending.empty()) return;
  const auto byKey = [this](const Slot& a, const Slot& b) { return KeyOf(a) < KeyOf(b); };
  std::sort(m_Pending.begin(), m_Pending.end(), byKey);
  if (m_Slots.empty()) {
    // Into an empty map (an append into a new calendar): the records added are the map, without a
    // second copy of them.
    m_Slots = std::exchange(m_Pending, {});
    m_Dated = m_Slots.size();
    return;
  }
  const std::size_t added = m_Pending.size();
  m_Slots.reserve(m_Slots.size() + added);
  m_Slots.resize(m_Slots.size() + added);
  // Those kept aside go to the end, then the two sorted runs merge from the back.
  std::move_backward(m_Slots.begin() + static_cast<std::ptrdiff_t>(m_Dated),
                     m_Slots.end() - static_cast<std::ptrdiff_t>(added), m_Slots.end());
  std::size_t dated = m_Dated, pending = added, out = m_Dated + added;
  while (pending > 0) {
    if (dated > 0 && byKey(m_Pending[pending - 1], m_Slots[dated - 1]))
      m_Slots[--out] = m_Slots[--dated];
    else
      m_Slots[--out] = m_Pending[--pending];
  }
  m_Dated += added;
  m_Pending = {};
}

bool CRecordMap::Erase(std::string_view key) {
  Slot* slot = FindSlot(key);
  if (!slot) return false;
  FreeNode(*slot);
  m_Slots.erase(m_Slots.begin() + (slot - m_Slots.data()));
  --m_Dated;
  return true;
}

std::size_t CRecordMap::Erase(const std::vector<std::string>& keys) {
  std::vector<std::size_t> erased;
  erased.reserve(keys.size());
  for (const std::string& key : keys)
    if (Slot* slot = FindSlot(key)) erased.push_back(static_cast<std::size_t>(slot - m_Slots.data()));
  std::sort(erased.begin(), erased.end());
  erased.erase(std::unique(erased.begin(), erased.end()), erased.end());
  if (erased.empty()) return 0;
  // Every slot after the first erased one moves down once, those kept aside included.
  std::size_t kept = erased.front();
  auto next = erased.begin();
  for (std::size_t i = erased.front(); i < m_Slots.size(); ++i) {
    if (next != erased.end() && *next == i) {
      FreeNode(m_Slots[i]);
      ++next;
    } else {
      m_Slots[kept++] = m_Slots[i];
    }
  }
  m_Slots.resize(kept);
  m_Dated -= erased.size();
  return erased.size();
}

// ---- reading ----

std::size_t CRecordMap::BodySize(std::string_view bytes, std::size_t offset, RecordForm form) {
  std::size_t pos = offset;
  for (int i = 0; i < StringsOf(form); ++i) {
    StringSpan span;
    if (!SpanAt(bytes, pos, span)) return 0;
    pos = span.end;
  }
  return pos - offset;
}

void CRecordMap::BeginLoading(CArchiveBuffer buffer, RecordForm form, RecordKeys keys) {
  *this = CRecordMap();
  m_Buffer = std::move(buffer);
  m_Form = form;
  m_Keys = keys;
}

void CRecordMap::AddLoaded(std::size_t keyOffset, std::size_t bodyOffset) {
  m_Slots.push_back(
      Slot{static_cast<std::uint32_t>(keyOffset), static_cast<std::uint32_t>(bodyOffset), m_NextLoaded++});
}

void CRecordMap::AddLoaded(std::string key, std::size_t bodyOffset) {
  CEntrTxt record;
  DecodeBody(Slot{0, static_cast<std::uint32_t>(bodyOffset), 0}, record);
  m_Slots.push_back(Slot{kNone, NewNode(std::move(key), std::move(record)), m_NextLoaded++});
}

void CRecordMap::EndLoading() {
  // Sorted by key, and by the order of reading within a key.
  std::sort(m_Slots.begin(), m_Slots.end(), [this](const Slot& a, const Slot& b) {
    const std::string_view ka = KeyOf(a), kb = KeyOf(b);
    return ka != kb ? ka < kb : a.order < b.order;
  });
  // A repeated key keeps the place of its first reading and the record of its last.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < m_Slots.size(); ++i) {
    if (kept > 0 && KeyOf(m_Slots[kept - 1]) == KeyOf(m_Slots[i])) {
      Slot& first = m_Slots[kept - 1];
      FreeNode(first);
      const std::int32_t order = first.order;
      first = m_Slots[i];
      first.order = order;
    } else {
      m_Slots[kept++] = m_Slots[i];
    }
  }
  m_Slots.resize(kept);
  if (m_Form == RecordForm::Note) {
    // Version 1: each note became a record as the program adds one, the last read first in its
    // bucket; a record without a note is no record.
    std::erase_if(m_Slots, [this](Slot& slot) {
      bool empty = false;
      if (const Node* node = NodeOf(slot)) {
        empty = node->second.m_Poznamka.empty();
      } else {
        StringSpan note;
        SpanAt(m_Buffer.View(), slot.body, note);
        empty = note.end == note.start;
      }
      if (empty) FreeNode(slot);
      return empty;
    });
    for (Slot& slot : m_Slots) slot.order = -slot.order;
    m_NextAdded = -m_NextLoaded;
  }
  SetAsideInvalidKeys();
}

// In place: a stable partition would take a second copy of every entry.
void CRecordMap::SetAsideInvalidKeys() {
  const auto dated = [this](const Slot& slot) {
    return m_Keys == RecordKeys::Day ? IsValidDayKey(KeyOf(slot)) : IsValidMonthKey(KeyOf(slot));
  };
  const auto aside = std::partition(m_Slots.begin(), m_Slots.end(), dated);
  m_Dated = static_cast<std::size_t>(aside - m_Slots.begin());
  if (aside != m_Slots.end())
    std::sort(m_Slots.begin(), aside, [this](const Slot& a, const Slot& b) { return KeyOf(a) < KeyOf(b); });
}

// ---- writing ----

bool CRecordMap::CopiesAsRead(const Slot& slot) const {
  if (slot.key == kNone || FormAt(slot.body) != RecordForm::Scrambled) return false;
  auto [bytes, pos] = BytesAt(slot.body);
  for (int i = 0; i < 4; ++i) {
    StringSpan span;
    if (!SpanAt(bytes, pos, span) || !span.canonical) return false;
    pos = span.end;
  }
  return true;
}

std::string_view CRecordMap::RawBody(std::string_view key) const {
  const Slot* slot = FindSlot(key);
  return slot ? RawBodyAt(static_cast<std::size_t>(slot - m_Slots.data())) : std::string_view();
}

std::string_view CRecordMap::RawBodyAt(std::size_t position) const {
  const Slot& slot = m_Slots[position];
  if (!CopiesAsRead(slot)) return {};
  const auto [bytes, at] = BytesAt(slot.body);
  return bytes.substr(at, BodySizeOf(slot));
}

std::size_t CRecordMap::EstimatedBytes() const {
  constexpr std::size_t kEntryOverhead = 32;  // key length, reference, four string lengths
  std::size_t size = 8;
  for (const Slot& slot : m_Slots) {
    size += kEntryOverhead + KeyOf(slot).size();
    if (const Node* node = NodeOf(slot)) {
      const CEntrTxt& r = node->second;
      size += r.m_Poznamka.size() + r.m_Rtf.size() + r.m_Text.size() + r.m_Rezerva.size();
    } else {
      size += BodySizeOf(slot);
    }
  }
  return size;
}

void CRecordMap::Write(CArchiveWriter& ar) const {
  // Write order: by bucket, then added records newest first, then read records as read. One bucket
  // at a time, so that the order costs a byte per record and the positions of one bucket.
  std::vector<std::uint8_t> buckets(m_Slots.size());
  for (std::size_t i = 0; i < m_Slots.size(); ++i)
    buckets[i] = static_cast<std::uint8_t>(ArchiveMapBucket(KeyOf(m_Slots[i])));
  ar.WriteCount(m_Slots.size());
  CEntrTxt scratch;
  std::vector<std::uint32_t> order;
  for (unsigned bucket = 0; bucket < kArchiveMapBuckets; ++bucket) {
    order.clear();
    for (std::size_t i = 0; i < m_Slots.size(); ++i)
      if (buckets[i] == bucket) order.push_back(static_cast<std::uint32_t>(i));
    std::sort(order.begin(), order.end(),
              [this](std::uint32_t a, std::uint32_t b) { return m_Slots[a].order < m_Slots[b].order; });
    for (const std::uint32_t index : order) WriteEntry(ar, m_Slots[index], scratch);
  }
}

void CRecordMap::WriteEntry(CArchiveWriter& ar, const Slot& slot, CEntrTxt& scratch) const {
  ar.WriteString(KeyOf(slot));
  ar.WriteNewObject(ArchiveClass::EntrTxt);
  ar.Spill();
  if (CopiesAsRead(slot)) {
    const auto [bytes, at] = BytesAt(slot.body);
    ar.WriteRaw(bytes.substr(at, BodySizeOf(slot)));
    return;
  }
  const CEntrTxt* record = NodeOf(slot) ? &NodeOf(slot)->second : nullptr;
  if (!record) {
    DecodeBody(slot, scratch);
    record = &scratch;
  }
  ar.WriteString(record->m_Poznamka, /*scrambled=*/true);
  ar.WriteString(record->m_Rtf, /*scrambled=*/true);
  ar.WriteString(record->m_Text, /*scrambled=*/true);
  ar.WriteString(record->m_Rezerva, /*scrambled=*/true);
}

}  // namespace orv
