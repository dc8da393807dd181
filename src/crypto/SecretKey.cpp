#include "crypto/SecretKey.h"

#include <sodium.h>

#include "crypto/Sodium.h"

namespace orv::crypto {
namespace {

SKdfCost g_NewKeyCost = ModerateCost();

// Ten passes over a gigabyte: far beyond what the program writes, still bounded.
constexpr std::uint64_t kMostPasses = 10;
constexpr std::uint64_t kMostMemory = std::uint64_t{1} << 30;

}  // namespace

SKdfCost ModerateCost() {
  return {crypto_pwhash_argon2id_OPSLIMIT_MODERATE, crypto_pwhash_argon2id_MEMLIMIT_MODERATE};
}

SKdfCost MinimalCost() {
  return {crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
}

bool IsAcceptableCost(const SKdfCost& cost) {
  return cost.opslimit >= crypto_pwhash_argon2id_OPSLIMIT_MIN && cost.opslimit <= kMostPasses &&
         cost.memlimit >= crypto_pwhash_argon2id_MEMLIMIT_MIN && cost.memlimit <= kMostMemory;
}

SKdfCost NewKeyCost() {
  return g_NewKeyCost;
}

CNewKeyCostScope::CNewKeyCostScope(SKdfCost cost) : m_Before(g_NewKeyCost) {
  g_NewKeyCost = cost;
}

CNewKeyCostScope::~CNewKeyCostScope() {
  g_NewKeyCost = m_Before;
}

bool SameKey(const CSecretKey& a, const CSecretKey& b) {
  return sodium_memcmp(a.Bytes(), b.Bytes(), kKeyBytes) == 0;
}

void WipeSecret(std::string& secret) {
  sodium_memzero(secret.data(), secret.size());
  secret.clear();
}

void WipeBytes(void* bytes, std::size_t size) {
  sodium_memzero(bytes, size);
}

CSecretKey::CSecretKey(unsigned char* key, const Salt& salt, const SKdfCost& cost)
    : m_Key(key), m_Salt(salt), m_Cost(cost) {}

CSecretKey::~CSecretKey() {
  sodium_free(m_Key);  // wipes it
}

std::shared_ptr<const CSecretKey> CSecretKey::Derive(std::string& passphrase, const SKdfCost& cost) {
  EnsureSodium();
  Salt salt;
  randombytes_buf(salt.data(), salt.size());
  return Derive(passphrase, cost, salt);
}

std::shared_ptr<const CSecretKey> CSecretKey::Derive(std::string& passphrase, const SKdfCost& cost,
                                                     const Salt& salt) {
  EnsureSodium();
  auto* key = static_cast<unsigned char*>(sodium_malloc(kKeyBytes));
  const bool derived =
      key && crypto_pwhash(key, kKeyBytes, passphrase.data(), passphrase.size(), salt.data(), cost.opslimit,
                           static_cast<std::size_t>(cost.memlimit), crypto_pwhash_ALG_ARGON2ID13) == 0;
  WipeSecret(passphrase);
  if (!derived) {
    sodium_free(key);
    return nullptr;
  }
  sodium_mprotect_readonly(key);
  return std::shared_ptr<const CSecretKey>(new CSecretKey(key, salt, cost));
}

}  // namespace orv::crypto
