#include "names/CzechCollation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>
#include <string>

#include "core/Cp1250.h"

namespace orv {
namespace {

// Built once: opening a collator loads its rules, far too costly for every comparison.
const icu::Collator* CzechCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale("cs"), status));
    if (U_FAILURE(status)) c.reset();
    return c;
  }();
  return collator.get();
}

int ByteCompare(std::string_view a, std::string_view b) {
  const int r = a.compare(b);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace

int CzechCompare(std::string_view a, std::string_view b) {
  const icu::Collator* collator = CzechCollator();
  if (!collator) return ByteCompare(a, b);
  const std::u16string ua = Cp1250ToUtf16(a);
  const std::u16string ub = Cp1250ToUtf16(b);
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult r = collator->compare(ua.data(), static_cast<int32_t>(ua.size()), ub.data(),
                                               static_cast<int32_t>(ub.size()), status);
  if (U_FAILURE(status)) return ByteCompare(a, b);
  return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

}  // namespace orv
