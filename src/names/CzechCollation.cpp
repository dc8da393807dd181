#include "names/CzechCollation.h"

#include <dlfcn.h>
#include <unicode/ucol.h>
#include <unicode/uvernum.h>

#include <string>

#include "core/Cp1250.h"

namespace orv {
namespace {

// ICU is loaded the first time names are compared, not at every start: orv commands that never sort
// names (most of them) start without it. The entry points carry ICU's version suffix.
#define ORV_ICU_STRING2(x) #x
#define ORV_ICU_STRING(x) ORV_ICU_STRING2(x)

class CIcuCollator {
 public:
  CIcuCollator() {
    void* library = ::dlopen("libicui18n.so." ORV_ICU_STRING(U_ICU_VERSION_MAJOR_NUM), RTLD_NOW | RTLD_LOCAL);
    if (!library) return;
    const auto open = reinterpret_cast<decltype(&ucol_open)>(::dlsym(library, ORV_ICU_STRING(ucol_open)));
    m_Close = reinterpret_cast<decltype(&ucol_close)>(::dlsym(library, ORV_ICU_STRING(ucol_close)));
    m_Compare = reinterpret_cast<decltype(&ucol_strcoll)>(::dlsym(library, ORV_ICU_STRING(ucol_strcoll)));
    if (!open || !m_Close || !m_Compare) return;
    UErrorCode status = U_ZERO_ERROR;
    m_Collator = open("cs", &status);  // built once: opening loads the rules
    if (U_FAILURE(status) && m_Collator) {
      m_Close(m_Collator);
      m_Collator = nullptr;
    }
  }
  ~CIcuCollator() {
    if (m_Collator) m_Close(m_Collator);
  }
  CIcuCollator(const CIcuCollator&) = delete;
  CIcuCollator& operator=(const CIcuCollator&) = delete;

  bool IsAvailable() const { return m_Collator != nullptr; }
  int Compare(const std::u16string& a, const std::u16string& b) const {
    const UCollationResult r = m_Compare(m_Collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                         static_cast<int32_t>(b.size()));
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
  }

 private:
  UCollator* m_Collator = nullptr;
  decltype(&ucol_close) m_Close = nullptr;
  decltype(&ucol_strcoll) m_Compare = nullptr;
};

const CIcuCollator& CzechCollator() {
  static const CIcuCollator collator;
  return collator;
}

int ByteCompare(std::string_view a, std::string_view b) {
  const int r = a.compare(b);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace

int CzechCompare(std::string_view a, std::string_view b) {
  const CIcuCollator& collator = CzechCollator();
  if (!collator.IsAvailable()) return ByteCompare(a, b);
  return collator.Compare(Cp1250ToUtf16(a), Cp1250ToUtf16(b));
}

}  // namespace orv
