#include "search/NoteMatcher.h"

#include "core/CalendarDates.h"

namespace orv {
namespace {

bool IsNoteSeparator(unsigned char c) {
  return !IsCzechLetter(c);
}

}  // namespace

std::string_view TrimSearchText(std::string_view text) {
  constexpr std::string_view kWhite = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(kWhite);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

CNoteMatcher::CNoteMatcher(std::string_view text, bool wholeWords, bool matchCase, bool ignoreAccents)
    : m_Fold(&FoldTable(matchCase, ignoreAccents)), m_WholeWords(wholeWords) {
  m_Folded.reserve(text.size());
  for (unsigned char c : text) m_Folded += static_cast<char>((*m_Fold)[c]);
}

bool CNoteMatcher::Matches(std::string_view note) const {
  if (m_Folded.empty() || note.size() < m_Folded.size()) return false;
  for (std::size_t pos = 0; pos + m_Folded.size() <= note.size(); ++pos) {
    if (!MatchesAt(note, pos)) continue;
    if (!m_WholeWords) return true;
    const std::size_t end = pos + m_Folded.size();
    const bool freeBefore = pos == 0 || IsNoteSeparator(static_cast<unsigned char>(note[pos - 1]));
    const bool freeAfter = end == note.size() || IsNoteSeparator(static_cast<unsigned char>(note[end]));
    if (freeBefore && freeAfter) return true;
    pos = end - 1;  // the search goes on behind an occurrence glued to a word
  }
  return false;
}

bool CNoteMatcher::MatchesAt(std::string_view note, std::size_t pos) const {
  for (std::size_t i = 0; i < m_Folded.size(); ++i)
    if ((*m_Fold)[static_cast<unsigned char>(note[pos + i])] != static_cast<unsigned char>(m_Folded[i]))
      return false;
  return true;
}

}  // namespace orv
