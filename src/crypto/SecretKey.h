#pragma once
// The key of an encrypted calendar, derived from its passphrase by Argon2id, with the salt and the
// cost it was derived with (both are stored in the file, so that the cost can be raised later). The
// key lives in locked memory that is wiped when the last holder lets it go; the calendar keeps it
// while it is open, so that a save or a recovery copy never costs another derivation.
//
//   std::string passphrase = ...;              // wiped by Derive
//   auto key = CSecretKey::Derive(passphrase, NewKeyCost());
//   if (key) doc.SetEncryptionKey(std::move(key));

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace orv::crypto {

inline constexpr std::size_t kSaltBytes = 16;
inline constexpr std::size_t kKeyBytes = 32;
using Salt = std::array<unsigned char, kSaltBytes>;

// Argon2id's time and memory: the number of passes and the bytes of memory.
struct SKdfCost {
  std::uint64_t opslimit = 0;
  std::uint64_t memlimit = 0;
  bool operator==(const SKdfCost&) const = default;
};

// What the program derives new keys with (about a second and 256 MB), and the least there is.
SKdfCost ModerateCost();
SKdfCost MinimalCost();
// A stored cost beyond these is a damaged or hostile file: deriving with it could take minutes or
// all of the machine's memory.
bool IsAcceptableCost(const SKdfCost& cost);

// The cost of keys derived for a new encryption: ModerateCost, unless a scope (tests) says otherwise.
SKdfCost NewKeyCost();
class CNewKeyCostScope {
 public:
  explicit CNewKeyCostScope(SKdfCost cost);
  ~CNewKeyCostScope();
  CNewKeyCostScope(const CNewKeyCostScope&) = delete;
  CNewKeyCostScope& operator=(const CNewKeyCostScope&) = delete;

 private:
  SKdfCost m_Before;
};

class CSecretKey {
 public:
  // Derives the key with a fresh random salt, or with the salt of a file being opened. The passphrase
  // is wiped either way. Null when the memory cannot be had.
  static std::shared_ptr<const CSecretKey> Derive(std::string& passphrase, const SKdfCost& cost);
  static std::shared_ptr<const CSecretKey> Derive(std::string& passphrase, const SKdfCost& cost,
                                                  const Salt& salt);
  ~CSecretKey();
  CSecretKey(const CSecretKey&) = delete;
  CSecretKey& operator=(const CSecretKey&) = delete;

  const unsigned char* Bytes() const { return m_Key; }
  const Salt& SaltBytes() const { return m_Salt; }
  const SKdfCost& Cost() const { return m_Cost; }

 private:
  CSecretKey(unsigned char* key, const Salt& salt, const SKdfCost& cost);

  unsigned char* m_Key;  // kKeyBytes of sodium_malloc memory
  Salt m_Salt;
  SKdfCost m_Cost;
};

// Whether two keys are the same bytes, compared in constant time.
bool SameKey(const CSecretKey& a, const CSecretKey& b);

// Wipes a string that held a secret, then empties it.
void WipeSecret(std::string& secret);
// Wipes memory that held a secret, in a way the compiler does not leave out.
void WipeBytes(void* bytes, std::size_t size);

}  // namespace orv::crypto
