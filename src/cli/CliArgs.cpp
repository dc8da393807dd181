#include "cli/CliArgs.h"

namespace orv::cli {

std::optional<CliArgs> CliArgs::Parse(const std::vector<std::string>& words,
                                      const std::set<std::string>& valueOptions,
                                      const std::set<std::string>& flagOptions, std::string& error) {
  CliArgs args;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() > 2 && w.rfind("--", 0) == 0) {
      if (valueOptions.count(w)) {
        if (i + 1 >= words.size()) {
          error = "Volba " + w + " potřebuje hodnotu.";
          return std::nullopt;
        }
        args.m_Values[w] = words[++i];
      } else if (flagOptions.count(w)) {
        args.m_Flags.insert(w);
      } else {
        error = "Neznámá volba " + w + ".";
        return std::nullopt;
      }
    } else {
      args.m_Positional.push_back(w);
    }
  }
  return args;
}

bool CliArgs::Has(const std::string& option) const {
  return m_Flags.count(option) > 0 || m_Values.count(option) > 0;
}

std::optional<std::string> CliArgs::Value(const std::string& option) const {
  auto it = m_Values.find(option);
  if (it == m_Values.end()) return std::nullopt;
  return it->second;
}

}  // namespace orv::cli
