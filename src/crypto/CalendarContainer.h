#pragma once
// The encrypted form of a calendar file: a small header, then the calendar's ordinary file bytes in
// XChaCha20-Poly1305 secret-stream chunks of 64 KB, the last one tagged final.
//
//   "ORVCRYPT"  version (4 bytes)  passes (8)  memory (8)  salt (16)   all numbers little-endian
//   stream header (24)  chunk ... final chunk                            each chunk: text + 17 bytes
//
// The header up to the salt is authenticated with the first chunk, so that a change to any byte, a
// chunk cut off, a missing final tag or bytes after it are all refused alike; nothing of a refused
// file is given out. Every encryption starts a stream with a fresh random header.
//
//   if (LooksEncrypted(bytes)) { auto header = ReadContainerHeader(bytes); ...derive the key...
//                                DecryptContainer(*key, bytes, buffer, size); }
//   std::string file = EncryptContainer(*key, plainFileBytes);

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "crypto/SecretKey.h"

namespace orv::crypto {

inline constexpr std::string_view kContainerMagic = "ORVCRYPT";
inline constexpr std::uint32_t kContainerVersion = 1;
inline constexpr std::size_t kChunkBytes = 64 * 1024;

// The file starts with the magic: it is meant to be an encrypted calendar (sound or not).
bool LooksEncrypted(std::string_view fileStart);

struct SContainerHeader {
  SKdfCost cost;
  Salt salt{};
};
// The header of a container of the known version with an acceptable cost; nullopt otherwise.
std::optional<SContainerHeader> ReadContainerHeader(std::string_view container);
// The key fits the container when it was derived with the container's salt and cost.
bool KeyFits(const CSecretKey& key, const SContainerHeader& header);

// The size of the text inside, from the container's length alone; nullopt when no container of that
// length can exist.
std::optional<std::size_t> ContainedSize(std::string_view container);

// Decrypts the whole container into `out` (ContainedSize bytes). False for any damage or a wrong key;
// `out` is then wiped.
bool DecryptContainer(const CSecretKey& key, std::string_view container, char* out);

std::string EncryptContainer(const CSecretKey& key, std::string_view plain);

}  // namespace orv::crypto
