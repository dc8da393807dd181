#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ArchiveMap.h"

namespace orv {
namespace {

std::vector<std::string> KeysInWriteOrder(const CArchiveMap<int>& map) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : map) keys.push_back(key);
  return keys;
}

TEST(ArchiveMap, BucketHashCountsHighBytesAsNegative) {
  EXPECT_EQ(ArchiveMapBucket(""), 0u);
  EXPECT_EQ(ArchiveMapBucket("a"), 97u % 17);
  EXPECT_EQ(ArchiveMapBucket("ab"), (97u * 33 + 98) % 17);
  // 0xE9 counts as -23: h = 0 - 23 wraps to 2^32 - 23.
  EXPECT_EQ(ArchiveMapBucket("\xE9"), (4294967296u - 23u) % 17);
}

TEST(ArchiveMap, ProgramInsertsGoFirstInTheirBucketAndBucketsAscend) {
  CArchiveMap<int> map;
  // "b" (98) and "s" (115) share bucket 13; "a" (97) is in bucket 12.
  map.Insert("b", 1);
  map.Insert("s", 2);
  map.Insert("a", 3);  // 97 -> bucket 12
  EXPECT_EQ(ArchiveMapBucket("b"), ArchiveMapBucket("s"));
  EXPECT_EQ(KeysInWriteOrder(map), (std::vector<std::string>{"a", "s", "b"}));
}

TEST(ArchiveMap, LoadedEntriesKeepTheirOrderAndLaterInsertsGoFirst) {
  CArchiveMap<int> map;
  map.InsertLoaded("b", 1);
  map.InsertLoaded("s", 2);
  map.InsertLoaded("b", 7);  // a key read twice keeps its place and the later value
  EXPECT_EQ(KeysInWriteOrder(map), (std::vector<std::string>{"b", "s"}));
  EXPECT_EQ(*map.Find("b"), 7);
  map.Insert("Q", 3);  // 81, bucket 13 like "b" and "s"
  EXPECT_EQ(KeysInWriteOrder(map), (std::vector<std::string>{"Q", "b", "s"}));
}

TEST(ArchiveMap, EraseCopyAndLookup) {
  CArchiveMap<int> map;
  map.Insert("x", 1);
  map.Insert("y", 2);
  CArchiveMap<int> copy = map;
  EXPECT_TRUE(map.Erase("x"));
  EXPECT_FALSE(map.Erase("x"));
  EXPECT_EQ(map.Find("x"), nullptr);
  EXPECT_EQ(map.size(), 1u);
  EXPECT_EQ(KeysInWriteOrder(copy), (std::vector<std::string>{"x", "y"}));  // different buckets
  *copy.Find("y") = 5;
  EXPECT_EQ(*map.Find("y"), 2);
}

}  // namespace
}  // namespace orv
