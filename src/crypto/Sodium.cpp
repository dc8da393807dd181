#include "crypto/Sodium.h"

#include <sodium.h>

#include <cstdlib>

namespace orv::crypto {

void EnsureSodium() {
  // Safe to call from several threads; it fails only without a source of random numbers, and then
  // no key or nonce could be trusted.
  static const bool ready = sodium_init() >= 0;
  if (!ready) std::abort();
}

}  // namespace orv::crypto
