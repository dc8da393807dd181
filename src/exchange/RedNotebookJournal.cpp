#include "exchange/RedNotebookJournal.h"

#include <yaml-cpp/yaml.h>

#include <QString>
#include <filesystem>
#include <regex>

#include "exchange/CommentaryFormats.h"
#include "exchange/ImportedDays.h"
#include "exchange/RedNotebookMarkup.h"
#include "exchange/SourceFolder.h"

namespace orv {
namespace {

std::u16string Utf16(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
}

std::string Scalar(const YAML::Node& node) {
  return node.IsScalar() ? node.Scalar() : std::string();
}

// A category maps its entries to nothing; entries written as a list are taken as well.
std::optional<SCategory> Category(const std::string& name, const YAML::Node& node) {
  SCategory category{Utf16(name), {}};
  if (node.IsNull()) return category;
  if (!node.IsMap() && !node.IsSequence()) return std::nullopt;
  for (const auto& item : node) {
    const YAML::Node entry = node.IsMap() ? item.first : item;
    if (!entry.IsScalar()) return std::nullopt;
    category.entries.push_back(Utf16(entry.Scalar()));
  }
  return category;
}

// The days of one month file into `days`; the reason when the file is damaged.
std::string ReadMonth(const std::string& bytes, int year, int month, const CCommentaryFormats& formats,
                      CImportedDays& days) {
  const YAML::Node root = YAML::Load(bytes);
  if (root.IsNull()) return {};
  if (!root.IsMap()) return "nejde o dny měsíce";
  for (const auto& item : root) {
    const YAML::Node& key = item.first;
    const YAML::Node& day = item.second;
    const Date date{year, month, key.IsScalar() ? std::atoi(key.Scalar().c_str()) : 0};
    if (!key.IsScalar() || key.Scalar() != std::to_string(date.day) || !IsImportableDate(date))
      return "„" + Scalar(key) + "“ není den měsíce";
    if (day.IsNull()) continue;
    if (!day.IsMap()) return "den " + std::to_string(date.day) + " nemá text ani kategorie";
    std::u16string text;
    std::vector<SCategory> categories;
    for (const auto& field : day) {
      const YAML::Node& name = field.first;
      const YAML::Node& value = field.second;
      if (!name.IsScalar()) return "den " + std::to_string(date.day) + " má poškozenou kategorii";
      if (name.Scalar() == "text") {
        if (!value.IsNull() && !value.IsScalar())
          return "text dne " + std::to_string(date.day) + " není text";
        text = Utf16(Scalar(value));
        continue;
      }
      auto category = Category(name.Scalar(), value);
      if (!category) return "den " + std::to_string(date.day) + " má poškozenou kategorii";
      categories.push_back(std::move(*category));
    }
    days.AddDay(date, RedNotebookNote(text), RedNotebookCommentary(text, categories, formats));
  }
  return {};
}

}  // namespace

std::string ReadRedNotebookJournal(const std::string& folder, const CCommentaryFormats& formats,
                                   CImportedDays& days, const ReadProgress& progress) {
  const SSourceFiles source = ListSourceFiles(folder, false);
  if (!source.failure.empty()) return source.failure;
  static const std::regex kMonthFile(R"((\d{4})-(\d{2})\.txt)");
  const int total = static_cast<int>(source.files.size());
  for (int done = 0; done < total; ++done) {
    const std::string& path = source.files[static_cast<size_t>(done)];
    if (progress) progress(done, total);
    std::smatch match;
    const std::string name = std::filesystem::path(path).filename().string();
    const int month = std::regex_match(name, match, kMonthFile) ? std::stoi(match[2]) : 0;
    if (month < 1 || month > 12) {
      days.CountSkipped();
      continue;
    }
    std::string reason;
    const auto bytes = ReadSourceFile(path, reason);
    if (bytes) {
      try {
        reason = ReadMonth(*bytes, std::stoi(match[1]), month, formats, days);
      } catch (const YAML::Exception& e) {
        reason = "nejde o YAML (řádek " + std::to_string(e.mark.line + 1) + ")";
      }
    }
    if (!reason.empty()) return RefusedFileText(path, reason);
  }
  if (progress) progress(total, total);
  return {};
}

}  // namespace orv
