#include "core/YearRangeSetting.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "core/RegularFile.h"

namespace orv {
namespace {

// A settings file is a few kilobytes; one much larger is not the program's.
constexpr std::size_t kMaxSettingsBytes = 1 << 20;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string UserSettingsPath() {
  std::string config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
    config = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    config = std::string(home) + "/.config";
  else
    return {};
  return config + "/orvella/orvella.conf";
}

std::optional<SYearRange> YearRangeFromSettingsText(std::string_view text) {
  std::optional<int> from, to;
  bool inGroup = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.starts_with('[')) {
      inGroup = line == std::string("[") + kYearRangeGroup + "]";
      continue;
    }
    const size_t equals = line.find('=');
    if (!inGroup || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == kYearRangeFromKey) from = Number(value);
    if (key == kYearRangeToKey) to = Number(value);
  }
  if (!from || !to) return std::nullopt;
  const SYearRange range{*from, *to};
  if (!YearRangeProblem(range).empty()) return std::nullopt;
  return range;
}

std::optional<SYearRange> ReadYearRangeSetting(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const SRegularFile file = OpenRegularFile(path);
  if (file.fd < 0) return std::nullopt;
  std::string bytes(std::min(static_cast<std::size_t>(file.st.st_size), kMaxSettingsBytes), '\0');
  int error = 0;
  bytes.resize(ReadFully(file.fd, bytes.data(), bytes.size(), error));
  ::close(file.fd);
  if (error != 0) return std::nullopt;
  return YearRangeFromSettingsText(bytes);
}

}  // namespace orv
