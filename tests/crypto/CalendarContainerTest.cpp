// The encrypted container of a calendar: what goes in comes out, and nothing of a container that was
// changed, cut or opened with another key comes out at all.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "crypto/CalendarContainer.h"

namespace orv::crypto {
namespace {

std::shared_ptr<const CSecretKey> Key(std::string passphrase, const Salt* salt = nullptr) {
  return salt ? CSecretKey::Derive(passphrase, MinimalCost(), *salt)
              : CSecretKey::Derive(passphrase, MinimalCost());
}

// A text that is not the same in every chunk, so that a chunk moved elsewhere would show.
std::string Text(std::size_t size) {
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>("Deník "[i % 6] + i / kChunkBytes);
  return text;
}

std::optional<std::string> Decrypt(const CSecretKey& key, std::string_view container) {
  const std::optional<std::size_t> size = ContainedSize(container);
  if (!size) return std::nullopt;
  std::string out(*size, '\0');
  if (!DecryptContainer(key, container, out.data())) return std::nullopt;
  return out;
}

TEST(CalendarContainer, WhatGoesInComesOutAtEveryChunkBoundary) {
  const auto key = Key("correct horse");
  ASSERT_NE(key, nullptr);
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, kChunkBytes - 1, kChunkBytes, kChunkBytes + 1, 3 * kChunkBytes + 7}) {
    const std::string plain = Text(size);
    const std::string container = EncryptContainer(*key, plain);
    EXPECT_TRUE(LooksEncrypted(container));
    EXPECT_EQ(ContainedSize(container), size);
    EXPECT_EQ(Decrypt(*key, container), plain) << size;
    if (size > 16) {
      EXPECT_EQ(container.find(plain.substr(0, 16)), std::string::npos);
    }
  }
}

TEST(CalendarContainer, TwoEncryptionsOfOneTextDifferAndTheKeyComesBackFromTheHeader) {
  const auto key = Key("correct horse");
  const std::string first = EncryptContainer(*key, "text");
  const std::string second = EncryptContainer(*key, "text");
  EXPECT_NE(first, second);
  const std::optional<SContainerHeader> header = ReadContainerHeader(first);
  ASSERT_TRUE(header);
  EXPECT_TRUE(KeyFits(*key, *header));
  EXPECT_EQ(header->cost, MinimalCost());
  const auto again = Key("correct horse", &header->salt);
  EXPECT_EQ(Decrypt(*again, second), "text");
  EXPECT_FALSE(Decrypt(*Key("correct hors", &header->salt), first));
  EXPECT_FALSE(KeyFits(*Key("correct horse"), *header));  // another salt
}

TEST(CalendarContainer, AnyChangedByteCutOrAddedBytesAreRefused) {
  const auto key = Key("correct horse");
  const std::string container = EncryptContainer(*key, Text(2 * kChunkBytes + 100));
  const std::size_t header = 8 + 4 + 8 + 8 + 16 + 24;
  const std::size_t sealedChunk = kChunkBytes + 17;
  std::vector<std::string> damaged;
  for (const std::size_t at : {std::size_t{12}, std::size_t{20}, std::size_t{30}, header - 1, header,
                               header + sealedChunk, container.size() / 2, container.size() - 1}) {
    std::string flipped = container;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x01);
    damaged.push_back(flipped);
  }
  for (const std::size_t keep :
       {header, header + sealedChunk, header + 2 * sealedChunk, container.size() - 1})
    damaged.push_back(container.substr(0, keep));
  damaged.push_back(container + std::string(1, '\0'));
  damaged.push_back(container + EncryptContainer(*key, "x").substr(header));
  // The chunks in another order.
  damaged.push_back(container.substr(0, header) + container.substr(header + sealedChunk, sealedChunk) +
                    container.substr(header, sealedChunk) + container.substr(header + 2 * sealedChunk));
  for (std::size_t i = 0; i < damaged.size(); ++i) EXPECT_FALSE(Decrypt(*key, damaged[i])) << i;
}

TEST(CalendarContainer, HeadersOfAnotherVersionOrAnUnboundedCostAreNotRead) {
  const auto key = Key("k");
  const std::string container = EncryptContainer(*key, "text");
  const auto withNumber = [&](std::size_t at, std::uint64_t value, std::size_t width) {
    std::string changed = container;
    for (std::size_t i = 0; i < width; ++i) changed[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return changed;
  };
  EXPECT_FALSE(ReadContainerHeader(withNumber(8, 2, 4)));                        // version
  EXPECT_FALSE(ReadContainerHeader(withNumber(12, 0, 8)));                       // no pass
  EXPECT_FALSE(ReadContainerHeader(withNumber(12, 1000, 8)));                    // minutes of work
  EXPECT_FALSE(ReadContainerHeader(withNumber(20, std::uint64_t{1} << 40, 8)));  // a terabyte
  EXPECT_FALSE(ReadContainerHeader(container.substr(0, 50)));
  EXPECT_FALSE(LooksEncrypted("ORVCRYP"));
}

TEST(SecretKey, DerivationWipesThePassphraseAndIsRepeatableWithTheSalt) {
  std::string passphrase = "heslo s diakritikou: žluťoučký";
  const auto key = CSecretKey::Derive(passphrase, MinimalCost());
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(passphrase.empty());
  std::string same = "heslo s diakritikou: žluťoučký";
  const auto again = CSecretKey::Derive(same, MinimalCost(), key->SaltBytes());
  EXPECT_EQ(std::memcmp(key->Bytes(), again->Bytes(), kKeyBytes), 0);
  {
    const CNewKeyCostScope scope(MinimalCost());
    EXPECT_EQ(NewKeyCost(), MinimalCost());
  }
  EXPECT_EQ(NewKeyCost(), ModerateCost());
}

}  // namespace
}  // namespace orv::crypto
