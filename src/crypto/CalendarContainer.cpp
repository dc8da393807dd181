#include "crypto/CalendarContainer.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>

#include "crypto/Sodium.h"

namespace orv::crypto {
namespace {

constexpr std::size_t kFixedBytes = kContainerMagic.size() + 4 + 8 + 8 + kSaltBytes;
constexpr std::size_t kStreamHeaderBytes = crypto_secretstream_xchacha20poly1305_HEADERBYTES;
constexpr std::size_t kHeaderBytes = kFixedBytes + kStreamHeaderBytes;
constexpr std::size_t kTagBytes = crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr std::size_t kSealedChunkBytes = kChunkBytes + kTagBytes;

static_assert(kKeyBytes == crypto_secretstream_xchacha20poly1305_KEYBYTES);
static_assert(kSaltBytes == crypto_pwhash_SALTBYTES);

std::uint64_t ReadLittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void AppendLittleEndian(std::string& out, std::uint64_t value, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

const unsigned char* Unsigned(std::string_view bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.data());
}

}  // namespace

bool LooksEncrypted(std::string_view fileStart) {
  return fileStart.starts_with(kContainerMagic);
}

std::optional<SContainerHeader> ReadContainerHeader(std::string_view container) {
  if (container.size() < kHeaderBytes || !LooksEncrypted(container)) return std::nullopt;
  std::size_t at = kContainerMagic.size();
  if (ReadLittleEndian(container, at, 4) != kContainerVersion) return std::nullopt;
  SContainerHeader header;
  header.cost.opslimit = ReadLittleEndian(container, at += 4, 8);
  header.cost.memlimit = ReadLittleEndian(container, at += 8, 8);
  std::memcpy(header.salt.data(), container.data() + (at += 8), kSaltBytes);
  if (!IsAcceptableCost(header.cost)) return std::nullopt;
  return header;
}

bool KeyFits(const CSecretKey& key, const SContainerHeader& header) {
  return key.Cost() == header.cost && key.SaltBytes() == header.salt;
}

std::optional<std::size_t> ContainedSize(std::string_view container) {
  if (container.size() < kHeaderBytes + kTagBytes) return std::nullopt;
  const std::size_t sealed = container.size() - kHeaderBytes;
  const std::size_t chunks = (sealed + kSealedChunkBytes - 1) / kSealedChunkBytes;
  const std::size_t last = sealed - (chunks - 1) * kSealedChunkBytes;
  if (last < kTagBytes) return std::nullopt;
  return sealed - chunks * kTagBytes;
}

bool DecryptContainer(const CSecretKey& key, std::string_view container, char* out) {
  EnsureSodium();
  const std::optional<std::size_t> size = ContainedSize(container);
  if (!size) return false;
  crypto_secretstream_xchacha20poly1305_state state;
  if (crypto_secretstream_xchacha20poly1305_init_pull(&state, Unsigned(container.substr(kFixedBytes)),
                                                      key.Bytes()) != 0)
    return false;
  std::string_view rest = container.substr(kHeaderBytes);
  std::string_view associated = container.substr(0, kFixedBytes);
  std::size_t written = 0;
  bool ok = true;
  unsigned char tag = 0;
  while (ok && !rest.empty()) {
    const std::string_view chunk = rest.substr(0, kSealedChunkBytes);
    rest.remove_prefix(chunk.size());
    unsigned long long length = 0;
    ok = crypto_secretstream_xchacha20poly1305_pull(&state, reinterpret_cast<unsigned char*>(out + written),
                                                    &length, &tag, Unsigned(chunk), chunk.size(),
                                                    Unsigned(associated), associated.size()) == 0 &&
         (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) == rest.empty();
    written += static_cast<std::size_t>(length);
    associated = {};
  }
  sodium_memzero(&state, sizeof state);
  ok = ok && written == *size;
  if (!ok) sodium_memzero(out, *size);
  return ok;
}

std::string EncryptContainer(const CSecretKey& key, std::string_view plain) {
  EnsureSodium();
  const std::size_t chunks = plain.empty() ? 1 : (plain.size() + kChunkBytes - 1) / kChunkBytes;
  std::string out;
  out.reserve(kHeaderBytes + plain.size() + chunks * kTagBytes);
  out += kContainerMagic;
  AppendLittleEndian(out, kContainerVersion, 4);
  AppendLittleEndian(out, key.Cost().opslimit, 8);
  AppendLittleEndian(out, key.Cost().memlimit, 8);
  out.append(reinterpret_cast<const char*>(key.SaltBytes().data()), kSaltBytes);
  const std::string fixed = out;  // authenticated with the first chunk
  std::string_view associated = fixed;
  crypto_secretstream_xchacha20poly1305_state state;
  unsigned char streamHeader[kStreamHeaderBytes];
  crypto_secretstream_xchacha20poly1305_init_push(&state, streamHeader, key.Bytes());
  out.append(reinterpret_cast<const char*>(streamHeader), kStreamHeaderBytes);
  for (std::size_t i = 0; i < chunks; ++i) {
    const std::string_view chunk = plain.substr(std::min(i * kChunkBytes, plain.size()), kChunkBytes);
    const std::size_t at = out.size();
    out.resize(at + chunk.size() + kTagBytes);
    const unsigned char tag = i + 1 == chunks ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                              : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
    crypto_secretstream_xchacha20poly1305_push(&state, reinterpret_cast<unsigned char*>(out.data() + at),
                                               nullptr, Unsigned(chunk), chunk.size(), Unsigned(associated),
                                               associated.size(), tag);
    associated = {};
  }
  sodium_memzero(&state, sizeof state);
  return out;
}

}  // namespace orv::crypto
