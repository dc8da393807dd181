#include <array>
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "document/EncryptedCalendar.h"

namespace orv::cli {
namespace {

const char* YesNo(bool value) {
  return value ? "ano" : "ne";
}

// An empty author field shows the text the file information shows for it.
std::string OrElse(const std::string& value, const char* empty) {
  return value.empty() ? std::string(empty) : Cp1250ToUtf8(value);
}

constexpr std::array<const char*, 5> kCategoryNames = {"Jmenné svátky", "Státní svátky", "Ostatní svátky",
                                                       "Soukromé svátky", "Významné dny"};

}  // namespace

int CmdInfo(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "info", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  const CTedDoc& doc = calendar.Doc();
  std::ostream& out = ctx.out;
  out << "Verze formátu souboru: " << doc.m_Verze << '\n' << "Heslo: " << YesNo(!doc.m_Heslo.empty()) << '\n';
  // What guards the file, by its right name; nothing for a calendar stored in clear.
  if (const std::string protection = ProtectionText(doc); !protection.empty())
    out << "Ochrana: " << protection << '\n';
  out << "Pouze pro čtení: " << YesNo(doc.m_bReadOnly) << '\n'
      << "Název kalendáře: " << OrElse(doc.m_NazevKalendare, "název neuveden") << '\n'
      << "Číslo verze: " << OrElse(doc.m_CisloVerze, "neuvedena") << '\n'
      << "Autor: " << OrElse(doc.m_Autor, "neuveden") << '\n'
      << "Firma: " << OrElse(doc.m_Firma, "neuvedena") << '\n'
      << "Datum: " << OrElse(doc.m_Datum, "neuvedeno") << '\n'
      << "Heslo autora: " << YesNo(!doc.m_HesloAutora.empty()) << '\n'
      << "Počet záznamů v kalendáři: " << doc.GetRecordCount() << '\n'
      << "Počet výkladů měsíců: " << doc.m_DataMesice.size() << '\n'
      << "Neplatné klíče záznamů: " << doc.m_DataTxt.InvalidKeyCount() + doc.m_DataMesice.InvalidKeyCount()
      << '\n'
      << "Styly písma: " << doc.m_Styles.size() << '\n'
      << "Styly odstavce: " << doc.m_StylesPar.size() << '\n';
  for (std::size_t k = 0; k < kCategoryNames.size(); ++k)
    out << kCategoryNames[k] << ": " << doc.m_Names.m_Slots[k].m_SeznamJmen.size() << '\n';
  return kExitOk;
}

}  // namespace orv::cli
