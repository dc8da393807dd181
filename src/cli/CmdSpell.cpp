// orv spell FILE [--from DATE] [--to DATE]: the words of the day and month commentaries that the Czech
// dictionary does not know, each once, with how often it occurs and where; the most frequent first.

#include <algorithm>
#include <ostream>
#include <utility>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "spell/SpellChecker.h"
#include "spell/UnknownWords.h"

namespace orv::cli {
namespace {

// "2005/03/15" as the command line writes dates, "2005-03-15"; a month "2005/03" as "2005-03".
std::string Place(std::string key) {
  std::replace(key.begin(), key.end(), '/', '-');
  return key;
}

// The commentaries of days within [from, to] and of months that meet it, in the order of their keys
// (a month just before its days).
std::vector<std::pair<std::string, std::string>> Commentaries(const CTedDoc& doc, const std::string& from,
                                                              const std::string& to) {
  std::vector<std::pair<std::string, std::string>> texts;
  const auto within = [](std::string_view key, const std::string& low, const std::string& high) {
    return key >= low && key <= high;
  };
  doc.m_DataTxt.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (!record.m_Text.empty() && within(key, from, to)) texts.emplace_back(key, record.m_Text);
  });
  doc.m_DataMesice.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (!record.m_Text.empty() && within(key, from.substr(0, 7), to.substr(0, 7)))
      texts.emplace_back(key, record.m_Text);
  });
  std::sort(texts.begin(), texts.end());
  return texts;
}

}  // namespace

int CmdSpell(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--from", "--to"}, {}, error);
  if (args && args->Positional().size() != 1) error = "Zadejte soubor kalendáře.";
  if (!args || !error.empty()) {
    ctx.err << error << "\nPoužití: orv spell SOUBOR.orv [--from RRRR-MM-DD] [--to RRRR-MM-DD]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  std::string from = "0000/00/00", to = "9999/99/99";
  for (auto [option, key] : {std::pair{"--from", &from}, std::pair{"--to", &to}}) {
    if (const auto value = args->Value(option)) {
      const std::optional<Date> date = ParseDateArgument(*value, ctx);
      if (!date) return kExitError;
      *key = DayKey(*date);
    }
  }
  if (from > to) {
    ctx.err << "Počáteční datum je pozdější než koncové.\n";
    return kExitError;
  }
  std::unique_ptr<CSpellChecker> checker = CSpellChecker::OpenInstalled(error);
  if (!checker) {
    ctx.err << error << '\n';
    return kExitError;
  }

  CUnknownWords unknown(*checker);
  for (const auto& [key, text] : Commentaries(calendar.Doc(), from, to)) unknown.AddCommentary(key, text);
  const std::vector<SUnknownWord> list = unknown.MostFrequentFirst();
  for (const SUnknownWord& word : list) {
    ctx.out << Cp1250ToUtf8(word.word) << '\t' << word.count << '\t';
    for (std::size_t i = 0; i < word.keys.size(); ++i) ctx.out << (i ? " " : "") << Place(word.keys[i]);
    ctx.out << '\n';
  }
  return list.empty() ? kExitNotFound : kExitOk;
}

}  // namespace orv::cli
