#pragma once
// The arguments of one orv command: positional words and --options, with or without a value.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orv::cli {

class CliArgs {
 public:
  // valueOptions are the options that take the next word as their value ("--category 2").
  static std::optional<CliArgs> Parse(const std::vector<std::string>& words,
                                      const std::set<std::string>& valueOptions,
                                      const std::set<std::string>& flagOptions, std::string& error);

  const std::vector<std::string>& Positional() const { return m_Positional; }
  bool Has(const std::string& option) const;
  std::optional<std::string> Value(const std::string& option) const;

 private:
  std::vector<std::string> m_Positional;
  std::map<std::string, std::string> m_Values;
  std::set<std::string> m_Flags;
};

}  // namespace orv::cli
