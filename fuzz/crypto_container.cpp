// The encrypted container's reader. Arbitrary bytes must be refused without crashing or allocating
// beyond their length. And from a recipe in the input (a length up to several chunks, a pattern, one
// damage: a flipped byte, a cut, added bytes or two chunks swapped) a real container is made: it must
// decrypt to what went in, and once damaged it must decrypt to nothing.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "crypto/CalendarContainer.h"

namespace {

using namespace orv::crypto;

const CSecretKey& Key() {
  static const std::shared_ptr<const CSecretKey> key = [] {
    std::string passphrase = "fuzz";
    return CSecretKey::Derive(passphrase, MinimalCost(), Salt{});
  }();
  return *key;
}

bool Decrypts(std::string_view container, std::string* out = nullptr) {
  const std::optional<std::size_t> size = ContainedSize(container);
  if (!size) return false;
  if (*size > container.size()) __builtin_trap();
  std::string plain(*size, '\0');
  if (!DecryptContainer(Key(), container, plain.data())) return false;
  if (out) *out = std::move(plain);
  return true;
}

std::uint32_t Number(const std::uint8_t* data) {
  std::uint32_t value;
  std::memcpy(&value, data, 4);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  ReadContainerHeader(raw);
  Decrypts(raw);
  if (size < 10) return 0;

  const std::size_t length = Number(data) % (4 * kChunkBytes + 100);
  const std::string_view pattern = raw.substr(9);
  std::string plain(length, '\0');
  for (std::size_t i = 0; i < length; ++i) plain[i] = pattern[i % pattern.size()];
  const std::string container = EncryptContainer(Key(), plain);
  std::string back;
  if (!Decrypts(container, &back) || back != plain) __builtin_trap();

  const std::size_t at = Number(data + 4) % container.size();
  std::string damaged = container;
  switch (data[8] % 4) {
    case 0:
      damaged[at] = static_cast<char>(damaged[at] ^ (1 << (data[8] / 4 % 8)));
      break;
    case 1:
      damaged.resize(at);
      break;
    case 2:
      damaged.append(raw.substr(0, 1 + at % 40));
      break;
    default: {
      const std::size_t sealed = kChunkBytes + 17, first = 60;
      if (container.size() < first + 2 * sealed) return 0;  // one chunk only
      damaged = container.substr(0, first) + container.substr(first + sealed, sealed) +
                container.substr(first, sealed) + container.substr(first + 2 * sealed);
    }
  }
  if (Decrypts(damaged)) __builtin_trap();
  return 0;
}
