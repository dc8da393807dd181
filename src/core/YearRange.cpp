#include "core/YearRange.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdint>

namespace orv {
namespace {

// Searches running beside the window read the range while the dialog may change it: both years
// travel in one word, so a reader never sees the first of one range with the last of another.
constexpr std::uint64_t Packed(const SYearRange& range) {
  return static_cast<std::uint64_t>(static_cast<std::uint32_t>(range.first)) << 32 |
         static_cast<std::uint32_t>(range.last);
}

std::atomic<std::uint64_t> g_Range{Packed(SYearRange{})};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<int> Year(std::string_view text) {
  text = Trimmed(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.size() > 4 || error != std::errc{} || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace

std::string YearRangeProblem(const SYearRange& range) {
  if (range.first < kEarliestYear || range.last > kLatestYear || range.first > kLatestYear ||
      range.last < kEarliestYear)
    return "Roky musí ležet v rozmezí " + std::to_string(kEarliestYear) + " až " +
           std::to_string(kLatestYear) + ".";
  if (range.first > range.last) return "Počáteční rok nesmí být větší než koncový.";
  return {};
}

std::optional<SYearRange> ParseYearRange(std::string_view text, std::string& problem) {
  const size_t dash = text.find('-');
  const std::optional<int> first = dash == std::string_view::npos ? std::nullopt : Year(text.substr(0, dash));
  const std::optional<int> last = first ? Year(text.substr(dash + 1)) : std::nullopt;
  if (!last) {
    problem = "Rozsah let zadejte ve tvaru OD-DO, například 2000-2030.";
    return std::nullopt;
  }
  const SYearRange range{*first, *last};
  problem = YearRangeProblem(range);
  if (!problem.empty()) return std::nullopt;
  return range;
}

std::string YearRangeText(const SYearRange& range) {
  return std::to_string(range.first) + "–" + std::to_string(range.last);
}

SYearRange DefaultYearRange(int currentYear) {
  constexpr int kFirst = 2000;
  constexpr int kYearsAhead = 10;
  return {kFirst, std::clamp(currentYear + kYearsAhead, kFirst, kLatestYear)};
}

SYearRange CoveringYearRange(const SYearRange& range, const SYearRange& other) {
  return {std::min(range.first, other.first), std::max(range.last, other.last)};
}

SYearRange YearRange() {
  const std::uint64_t packed = g_Range.load(std::memory_order_relaxed);
  return {static_cast<std::int32_t>(packed >> 32), static_cast<std::int32_t>(packed & 0xffffffffu)};
}

bool SetYearRange(const SYearRange& range) {
  if (!YearRangeProblem(range).empty()) return false;
  g_Range.store(Packed(range), std::memory_order_relaxed);
  return true;
}

}  // namespace orv
