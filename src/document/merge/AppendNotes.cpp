#include "document/merge/AppendNotes.h"

#include <algorithm>
#include <vector>

namespace orv {
namespace {

std::string_view Trimmed(std::string_view part) {
  const auto first = part.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return part.substr(first, part.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> NoteParts(std::string_view note) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start <= note.size();) {
    const std::size_t end = std::min(note.find(';', start), note.size());
    if (const std::string_view part = Trimmed(note.substr(start, end - start)); !part.empty())
      parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::string MergeNotesWhole(std::string_view target, std::string_view source) {
  if (target.empty()) return std::string(source);
  std::vector<std::string_view> parts = NoteParts(target);
  const std::size_t own = parts.size();
  for (std::string_view part : NoteParts(source))
    if (std::find(parts.begin(), parts.end(), part) == parts.end()) parts.push_back(part);
  if (parts.size() == own) return std::string(target);
  std::string joined;
  for (std::string_view part : parts) {
    if (!joined.empty()) joined += "; ";
    joined += part;
  }
  return joined;
}

std::string MergeNotesRange(std::string_view target, std::string_view source) {
  if (target.empty()) return std::string(source);
  if (target.find(source) != std::string_view::npos) return std::string(target);
  std::string joined(target);
  joined += " ; ";
  joined += source;
  return joined;
}

bool CommentaryContains(std::string_view targetText, std::string_view sourceText) {
  if (sourceText.empty()) return true;
  for (std::size_t at = targetText.find(sourceText); at != std::string_view::npos;
       at = targetText.find(sourceText, at + 1)) {
    const std::size_t end = at + sourceText.size();
    const bool startsParagraph = at == 0 || targetText[at - 1] == '\r';
    const bool endsParagraph = end == targetText.size() || targetText[end] == '\r';
    if (startsParagraph && endsParagraph) return true;
  }
  return false;
}

}  // namespace orv
