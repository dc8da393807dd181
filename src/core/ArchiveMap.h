#pragma once
// CArchiveMap: the string-keyed map every saved container of a calendar uses. Besides lookup it
// keeps the order in which the calendar file writes its entries, which is the iteration order of
// the program's own hash map: 17 buckets, ascending, and within a bucket the most recently inserted
// key first. Entries read from a file keep, within their bucket, the order in which they were read,
// so a calendar loaded and saved without changes is written byte for byte as it was read.
//
//   map.Insert(key, value)        a key added by the program: first in its bucket
//   map.InsertLoaded(key, value)  a key read from a file: last in its bucket (a repeated key keeps
//                                 its place and takes the later value)
//   for (auto& [key, value] : map)  visits the entries in write order
//
// Values are owned by the map; references to them stay valid until their entry is erased.

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace orv {

inline constexpr unsigned kArchiveMapBuckets = 17;

// The bucket of a key: h = h * 33 + b over the key's bytes, each taken as a signed 8-bit value,
// in 32-bit unsigned arithmetic, modulo 17.
inline unsigned ArchiveMapBucket(std::string_view key) {
  std::uint32_t h = 0;
  for (char c : key)
    h = h * 33u + static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
  return h % kArchiveMapBuckets;
}

template <typename T>
class CArchiveMap {
 public:
  using Entry = std::pair<const std::string, T>;

  class const_iterator {
   public:
    using BucketIt = typename std::list<Entry>::const_iterator;
    const Entry& operator*() const { return *m_It; }
    const Entry* operator->() const { return &*m_It; }
    const_iterator& operator++() {
      ++m_It;
      SkipEmpty();
      return *this;
    }
    bool operator==(const const_iterator& o) const {
      return m_Bucket == o.m_Bucket && (m_Bucket == kArchiveMapBuckets || m_It == o.m_It);
    }

   private:
    friend class CArchiveMap;
    const_iterator(const CArchiveMap* map, unsigned bucket) : m_Map(map), m_Bucket(bucket) {
      if (m_Bucket < kArchiveMapBuckets) m_It = m_Map->m_Buckets[m_Bucket].begin();
      SkipEmpty();
    }
    void SkipEmpty() {
      while (m_Bucket < kArchiveMapBuckets && m_It == m_Map->m_Buckets[m_Bucket].end())
        if (++m_Bucket < kArchiveMapBuckets) m_It = m_Map->m_Buckets[m_Bucket].begin();
    }
    const CArchiveMap* m_Map;
    unsigned m_Bucket;
    BucketIt m_It{};
  };

  CArchiveMap() = default;
  CArchiveMap(const CArchiveMap& other) { *this = other; }
  CArchiveMap& operator=(const CArchiveMap& other) {
    if (this == &other) return *this;
    clear();
    for (unsigned b = 0; b < kArchiveMapBuckets; ++b)
      for (const Entry& e : other.m_Buckets[b]) Place(e.first, e.second, b, /*first=*/false);
    return *this;
  }
  CArchiveMap(CArchiveMap&&) noexcept = default;
  CArchiveMap& operator=(CArchiveMap&&) noexcept = default;

  size_t size() const { return m_Index.size(); }
  bool empty() const { return m_Index.empty(); }
  void clear() {
    m_Index.clear();
    for (auto& bucket : m_Buckets) bucket.clear();
  }

  T* Find(std::string_view key) {
    auto it = m_Index.find(std::string(key));
    return it == m_Index.end() ? nullptr : &it->second->second;
  }
  const T* Find(std::string_view key) const { return const_cast<CArchiveMap*>(this)->Find(key); }
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }

  // Files a value under a key; an existing key keeps its place and takes the new value.
  T& Insert(std::string key, T value) { return Put(std::move(key), std::move(value), /*first=*/true); }
  T& InsertLoaded(std::string key, T value) { return Put(std::move(key), std::move(value), /*first=*/false); }

  bool Erase(std::string_view key) {
    auto it = m_Index.find(std::string(key));
    if (it == m_Index.end()) return false;
    m_Buckets[ArchiveMapBucket(key)].erase(it->second);
    m_Index.erase(it);
    return true;
  }

  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, kArchiveMapBuckets); }

  // Visits every entry in write order with a mutable value.
  template <typename F>
  void ForEach(F&& visit) {
    for (auto& bucket : m_Buckets)
      for (Entry& e : bucket) visit(e.first, e.second);
  }

 private:
  T& Put(std::string key, T value, bool first) {
    if (T* existing = Find(key)) return *existing = std::move(value);
    const unsigned b = ArchiveMapBucket(key);
    return Place(std::move(key), std::move(value), b, first);
  }
  template <typename K, typename V>
  T& Place(K&& key, V&& value, unsigned bucket, bool first) {
    auto& list = m_Buckets[bucket];
    auto pos = list.emplace(first ? list.begin() : list.end(), std::forward<K>(key), std::forward<V>(value));
    m_Index.emplace(pos->first, pos);
    return pos->second;
  }

  std::array<std::list<Entry>, kArchiveMapBuckets> m_Buckets;
  std::unordered_map<std::string, typename std::list<Entry>::iterator> m_Index;
};

}  // namespace orv
