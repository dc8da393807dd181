#pragma once
// libsodium must be initialised once before use (it picks its fastest code and seeds its random
// numbers); every entry of the layer calls this first.

namespace orv::crypto {

void EnsureSodium();

}  // namespace orv::crypto
