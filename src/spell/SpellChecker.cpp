#include "spell/SpellChecker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unordered_map>

#include "core/Cp1250.h"
#include "document/AtomicFile.h"
#include "spell/DictionaryCodec.h"

#ifdef ORV_HAVE_HUNSPELL
#include <hunspell.hxx>
#endif

namespace orv {
namespace {

constexpr char kNotBuilt[] =
    "Program byl sestaven bez knihovny Hunspell, kontrola pravopisu chybí (balíčky libhunspell-dev a "
    "hunspell-cs, pak program sestavit znovu).";

}  // namespace

#ifdef ORV_HAVE_HUNSPELL

namespace {

std::string MissingDictionary() {
  return std::string("Není nainstalován český slovník pro kontrolu pravopisu (balíček ") +
         kSpellDictionaryPackage + ").";
}

// The list is UTF-8, one word a line, so the user can read and edit it.
std::vector<std::string> ReadWordList(const std::string& path) {
  std::vector<std::string> words;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) words.push_back(Cp1250FromUtf8(line));
  }
  return words;
}

}  // namespace

struct CSpellChecker::SEngine {
  SEngine(const SDictionaryFiles& files, std::string encoding)
      : hunspell(files.aff.c_str(), files.dic.c_str()), codec(std::move(encoding)) {}
  // The word as the dictionary writes it: one that knows only the ASCII apostrophe is asked with it.
  std::string Ask(std::string_view word) const {
    std::string asked(word);
    if (asciiApostrophe) std::replace(asked.begin(), asked.end(), kCp1250Apostrophe, '\'');
    return codec.ToDictionary(asked);
  }
  Hunspell hunspell;
  CDictionaryCodec codec;
  bool asciiApostrophe = false;    // ' among the word characters, ’ not
  std::set<std::string> personal;  // Windows-1250
  std::set<std::string> ignored;
  std::unordered_map<std::string, bool> answers;
};

std::unique_ptr<CSpellChecker> CSpellChecker::Open(const SDictionaryFiles& files, std::string personalList,
                                                   std::string& failure) {
  const std::string encoding = DictionaryEncoding(files.aff);
  if (encoding.empty() || !CDictionaryCodec(encoding).IsUsable()) {
    failure = MissingDictionary();
    return nullptr;
  }
  std::unique_ptr<CSpellChecker> checker(
      new CSpellChecker(std::make_unique<SEngine>(files, encoding), std::move(personalList)));
  SEngine& engine = *checker->m_Engine;  // knows its word characters by now
  for (const std::string& word : ReadWordList(checker->m_PersonalList)) {
    engine.hunspell.add(engine.Ask(word));
    engine.personal.insert(word);
  }
  return checker;
}

CSpellChecker::CSpellChecker(std::unique_ptr<SEngine> engine, std::string personalList)
    : m_Engine(std::move(engine)), m_PersonalList(std::move(personalList)) {
  // Letters always belong to words; the dictionary's other word characters only inside one.
  const std::optional<std::string> chars =
      m_Engine->codec.FromDictionary(m_Engine->hunspell.get_wordchars_cpp());
  for (const char c : chars.value_or(std::string()))
    if (!IsWordLetter(c) && m_InnerChars.find(c) == std::string::npos) m_InnerChars.push_back(c);
  m_Engine->asciiApostrophe = m_InnerChars.find('\'') != std::string::npos &&
                              m_InnerChars.find(kCp1250Apostrophe) == std::string::npos;
}

bool CSpellChecker::IsKnown(std::string_view word) {
  const std::string key(word);
  if (const auto found = m_Engine->answers.find(key); found != m_Engine->answers.end()) return found->second;
  const bool known = m_Engine->ignored.count(key) || m_Engine->hunspell.spell(m_Engine->Ask(word));
  m_Engine->answers.emplace(key, known);
  return known;
}

std::vector<std::string> CSpellChecker::Suggest(std::string_view word, std::size_t max) {
  std::vector<std::string> suggestions;
  // A word written with ’ gets its suggestions written so too.
  const bool typographic =
      m_Engine->asciiApostrophe && word.find(kCp1250Apostrophe) != std::string_view::npos;
  for (const std::string& s : m_Engine->hunspell.suggest(m_Engine->Ask(word))) {
    if (suggestions.size() == max) break;
    std::optional<std::string> cp1250 = m_Engine->codec.FromDictionary(s);
    if (!cp1250) continue;
    if (typographic) std::replace(cp1250->begin(), cp1250->end(), '\'', kCp1250Apostrophe);
    suggestions.push_back(*cp1250);
  }
  return suggestions;
}

void CSpellChecker::Ignore(std::string_view word) {
  m_Engine->ignored.emplace(word);
  m_Engine->answers[std::string(word)] = true;
}

#else

struct CSpellChecker::SEngine {};

std::unique_ptr<CSpellChecker> CSpellChecker::Open(const SDictionaryFiles&, std::string,
                                                   std::string& failure) {
  failure = kNotBuilt;
  return nullptr;
}

CSpellChecker::CSpellChecker(std::unique_ptr<SEngine> engine, std::string personalList)
    : m_Engine(std::move(engine)), m_PersonalList(std::move(personalList)) {}
bool CSpellChecker::IsKnown(std::string_view) {
  return true;
}
std::vector<std::string> CSpellChecker::Suggest(std::string_view, std::size_t) {
  return {};
}
void CSpellChecker::Ignore(std::string_view) {}

#endif

CSpellChecker::~CSpellChecker() = default;

std::unique_ptr<CSpellChecker> CSpellChecker::OpenInstalled(std::string& failure) {
  if (std::optional<std::string> why = Unavailable()) {
    failure = *why;
    return nullptr;
  }
  return Open(*FindCzechDictionary(), PersonalWordListPath(), failure);
}

std::optional<std::string> CSpellChecker::Unavailable() {
#ifndef ORV_HAVE_HUNSPELL
  return std::string(kNotBuilt);
#else
  if (!FindCzechDictionary()) return MissingDictionary();
  return std::nullopt;
#endif
}

// The whole list is written again, so that a failed write never leaves half of it.
std::string CSpellChecker::AddToPersonal(std::string_view word) {
#ifdef ORV_HAVE_HUNSPELL
  if (m_PersonalList.empty()) return "Není kam uložit vlastní slovník: uživatel nemá domovskou složku.";
  std::set<std::string> words = m_Engine->personal;
  for (const std::string& w : ReadWordList(m_PersonalList)) words.insert(w);  // added by another window
  words.emplace(word);
  std::string text;
  for (const std::string& w : words) text += Cp1250ToUtf8(w) + "\n";
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(m_PersonalList).parent_path(), error);
  if (std::string why = WriteFileAtomically(m_PersonalList, text); !why.empty())
    return "Slovo nelze uložit do vlastního slovníku " + m_PersonalList + ": " + why;
  m_Engine->personal = std::move(words);
  m_Engine->hunspell.add(m_Engine->Ask(word));
  m_Engine->answers[std::string(word)] = true;
  return {};
#else
  (void)word;
  return kNotBuilt;
#endif
}

}  // namespace orv
