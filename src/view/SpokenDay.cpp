#include "view/SpokenDay.h"

#include <array>

#include "core/Cp1250.h"
#include "view/MonthColours.h"

namespace orv {
namespace {

const std::string& WeekdayName(int index) {
  static const std::array<std::string, 7> names = {
      Cp1250FromUtf8("pondělí"), Cp1250FromUtf8("úterý"), Cp1250FromUtf8("středa"), Cp1250FromUtf8("čtvrtek"),
      Cp1250FromUtf8("pátek"),   Cp1250FromUtf8("sobota"), Cp1250FromUtf8("neděle")};
  return names.at(static_cast<std::size_t>(index));
}

// The row's texts after its fixed columns: they stand apart by a tab or by two spaces or more.
std::string NamesOfRow(std::string_view texts) {
  std::string spoken, piece;
  auto flush = [&] {
    while (!piece.empty() && piece.back() == ' ') piece.pop_back();
    if (piece.empty()) return;
    spoken += (spoken.empty() ? "" : ", ") + piece;
    piece.clear();
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const char c = texts[i];
    const bool gap = c == '\t' || (c == ' ' && i + 1 < texts.size() && texts[i + 1] == ' ');
    if (gap)
      flush();
    else if (c != ' ' || !piece.empty())
      piece += c;
  }
  flush();
  return spoken;
}

}  // namespace

std::string SpokenDay(const Date& date, const CMonthRow& row, int textColumn, std::string_view note) {
  std::string spoken = WeekdayName(WeekdayIndex(date.year, date.month, date.day)) + ' ' + std::to_string(date.day) +
                       ". " + MonthNameGenitive(date.month) + ' ' + std::to_string(date.year);
  std::string_view texts = row.text;
  texts.remove_prefix(std::min(texts.size(), static_cast<std::size_t>(textColumn)));
  if (!note.empty() && texts.size() >= note.size() && texts.substr(texts.size() - note.size()) == note)
    texts.remove_suffix(note.size());
  if (const std::string names = NamesOfRow(texts); !names.empty()) spoken += ", " + names;
  if (!note.empty()) spoken += ", " + Cp1250FromUtf8("poznámka: ") + std::string(note);
  return spoken;
}

std::string_view NoteOfRow(const CMonthRow& row) {
  if (row.spans.empty()) return {};
  const CRowSpan& last = row.spans.back();
  const bool note = (last.format.mask & CFM_COLOR) && last.format.colour == kNoteColour &&
                    static_cast<std::size_t>(last.start + last.length) == row.text.size();
  return note ? std::string_view(row.text).substr(static_cast<std::size_t>(last.start)) : std::string_view();
}

}  // namespace orv
