#include "app/ProgramOptions.h"

namespace orv {
namespace {

constexpr char kSynopsis[] = "orvella [SOUBOR.orv]";
constexpr char kWhat[] = "Kalendář a deník Orvella 2: otevře zadaný kalendář, bez něj nový.";
constexpr char kSecondStart[] = "Běží-li už, převezme soubor spuštěná Orvella a přejde do popředí.";

}  // namespace

const std::vector<SProgramOption>& ProgramOptions() {
  static const std::vector<SProgramOption> options = {
      {"-h, --help", "vypíše tuto nápovědu"},
      {"--version", "vypíše verzi programu"},
  };
  return options;
}

std::string ProgramUsage() {
  std::string usage = std::string("Použití: ") + kSynopsis + "\n" + kWhat + "\n" + kSecondStart + "\n\n";
  for (const SProgramOption& o : ProgramOptions()) {
    // Long options line up under the long option of "-h, --help".
    const std::string names = o.names.rfind("--", 0) == 0 ? "    " + o.names : o.names;
    usage += "  " + names + std::string(names.size() < 15 ? 15 - names.size() : 1, ' ') + o.summary + '\n';
  }
  return usage;
}

SManPage OrvellaManPage() {
  SManPage page{"orvella", "1", "kalendář a deník", ORV_VERSION, {kSynopsis}, {}, {}};
  page.description = {
      kWhat, kSecondStart,
      "Ke každému dni kalendář uchovává krátkou poznámku a formátovaný výklad, ke každému měsíci výklad, "
      "k tomu jmeniny a svátky, styly písma a odstavce a údaje o autorovi. Uživatelská příručka je v "
      "programu pod klávesou F1.",
      "Nastavení jsou v ~/.config/orvella/, záložní kopie neuložených změn v ~/.local/state/orvella/."};
  SManSection options{"VOLBY", {}, {}};
  for (const SProgramOption& o : ProgramOptions()) options.entries.push_back({o.names, o.summary});
  page.sections = {options, {"VIZ TÉŽ", {}, {"orv(1)"}}};
  return page;
}

}  // namespace orv
