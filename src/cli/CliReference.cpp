#include "cli/CliReference.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

#include "cli/CliCommand.h"

namespace orv::cli {
namespace {

// The words of a synopsis with its brackets and bars as spaces, except bars inside a word of
// lower-case choices ("left|center|right"), which stay for the caller to split.
std::vector<std::string> SynopsisWords(const std::string& synopsis) {
  std::string spaced = synopsis;
  for (char& c : spaced)
    if (c == '[' || c == ']') c = ' ';
  std::vector<std::string> words;
  std::istringstream in(spaced);
  for (std::string word; in >> word;) {
    if (word == "|") continue;
    if (word.rfind("--", 0) == 0 && word.find('|') != std::string::npos) {
      // "--bold|--no-bold": two switches.
      std::istringstream alternatives(word);
      for (std::string one; std::getline(alternatives, one, '|');) words.push_back(one);
      continue;
    }
    words.push_back(word);
  }
  return words;
}

std::vector<std::string> SplitChoices(const std::string& value) {
  std::vector<std::string> choices;
  if (value.find('|') == std::string::npos) return choices;
  std::istringstream in(value);
  for (std::string one; std::getline(in, one, '|');) choices.push_back(one);
  return choices;
}

// The file name extension a placeholder asks for ("VÝSTUP.rtf" → "rtf"), empty for other values.
std::string PlaceholderExtension(const std::string& placeholder) {
  const std::size_t dot = placeholder.rfind('.');
  return dot == std::string::npos ? std::string() : placeholder.substr(dot + 1);
}

// Every option of every command with the value it takes (a switch in one command and a value in
// another is completed as a value), the options of every command included.
std::map<std::string, SCommandOption> AllOptions() {
  std::map<std::string, SCommandOption> all;
  for (const CliCommand& c : CliCommands())
    for (const SCommandOption& o : SynopsisOptions(c.synopsis))
      if (all[o.name].value.empty()) all[o.name] = o;
  for (const CliOption& o : CliGlobalOptions()) all[o.name] = {o.name, o.argument, {}};
  return all;
}

// The extensions of the files a command takes as its plain arguments.
std::set<std::string> PositionalExtensions(const CliCommand& command) {
  std::set<std::string> extensions;
  const std::vector<std::string> words = SynopsisWords(command.synopsis);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool optionValue = i > 0 && words[i - 1].rfind("--", 0) == 0;
    if (words[i].rfind("--", 0) == 0 || optionValue) continue;
    const std::string extension = PlaceholderExtension(words[i]);
    if (!extension.empty()) extensions.insert(extension);
  }
  return extensions;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& w : words) joined += (joined.empty() ? "" : " ") + w;
  return joined;
}

std::string BashFiles(const std::set<std::string>& extensions) {
  std::string words;
  for (const std::string& e : extensions) words += " $(compgen -f -X '!*." + e + "' -- \"$cur\")";
  return "COMPREPLY=(" + words + " $(compgen -d -- \"$cur\"))";
}

}  // namespace

std::vector<SCommandOption> SynopsisOptions(const std::string& synopsis) {
  std::vector<SCommandOption> options;
  const std::vector<std::string> words = SynopsisWords(synopsis);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i].rfind("--", 0) != 0) continue;
    SCommandOption option{words[i], {}, {}};
    if (i + 1 < words.size() && words[i + 1].rfind("-", 0) != 0) {
      option.value = words[i + 1];
      option.choices = SplitChoices(option.value);
    }
    const bool known = std::any_of(options.begin(), options.end(),
                                   [&](const SCommandOption& o) { return o.name == option.name; });
    if (!known) options.push_back(option);
  }
  return options;
}

SManPage OrvManPage() {
  SManPage page{"orv", "1", "příkazový řádek kalendáře Orvella 2", ORV_VERSION, {}, {}, {}};
  page.synopsis = {"orv PŘÍKAZ [ARGUMENTY] [--password HESLO] [--yes] [--years OD-DO]", "orv --help",
                   "orv --version"};
  page.description = {
      "orv pracuje se soubory kalendářů programu Orvella 2 (.orv) z příkazového řádku: vypíše měsíc, "
      "poznámku nebo výklad dne, hledá, exportuje, připojuje a mění poznámky, výklady, styly a svátky. "
      "Texty vypisuje v UTF-8, soubory ukládá stejně bezpečně jako program Orvella 2.",
      "Návratový kód je 0, když příkaz proběhl, 1, když nic nenašel, a 2 při chybě nebo odmítnutí."};
  SManSection commands{"PŘÍKAZY", {}, {}};
  for (const CliCommand& c : CliCommands())
    commands.entries.push_back({std::string("orv ") + c.name + ' ' + c.synopsis, c.summary});
  SManSection options{"VOLBY KTERÉHOKOLI PŘÍKAZU", {}, {}};
  for (const CliOption& o : CliGlobalOptions())
    options.entries.push_back({o.argument.empty() ? o.name : o.name + ' ' + o.argument, o.summary});
  options.entries.push_back({"--help", "přehled příkazů"});
  options.entries.push_back({"--version", "verze programu"});
  page.sections = {commands, options, {"VIZ TÉŽ", {}, {"orvella(1)"}}};
  return page;
}

void WriteBashCompletion(std::ostream& out) {
  out << "# bash completion for orv, written from orv's own table of commands; do not edit.\n\n"
         "# The character styles of the calendar named on the command line, one a line.\n"
         "_orv_char_styles() {\n"
         "  orv styles \"$1\" 2>/dev/null | sed -n '/^Styly písma:/,/^Styly odstavce:/s/^  \\([^:]*\\): .*/\\1/p'\n"
         "}\n\n"
         "_orv() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} options i file IFS=$' \\t\\n'\n"
         "  if (( COMP_CWORD == 1 )); then\n"
         "    COMPREPLY=($(compgen -W \"";
  std::vector<std::string> names;
  for (const CliCommand& c : CliCommands()) names.push_back(c.name);
  out << Joined(names) << " --help --version\" -- \"$cur\"))\n    return\n  fi\n";

  out << "  case $prev in\n"
         "    --char-style)\n"
         "      for ((i = 2; i < COMP_CWORD; i++)); do\n"
         "        [[ ${COMP_WORDS[i]} == *.orv ]] && { file=${COMP_WORDS[i]}; break; }\n"
         "      done\n"
         "      [[ -n $file ]] && { IFS=$'\\n'; COMPREPLY=($(compgen -W \"$(_orv_char_styles \"$file\")\" -- \"$cur\")); }\n"
         "      return ;;\n";
  for (const auto& [name, option] : AllOptions()) {
    if (option.value.empty() || name == "--char-style") continue;
    if (!option.choices.empty())
      out << "    " << name << ") COMPREPLY=($(compgen -W \"" << Joined(option.choices) << "\" -- \"$cur\")); return ;;\n";
    else if (const std::string extension = PlaceholderExtension(option.value); !extension.empty())
      out << "    " << name << ") " << BashFiles({extension}) << "; return ;;\n";
    else
      out << "    " << name << ") return ;;\n";
  }
  out << "  esac\n";

  std::string global;
  for (const CliOption& o : CliGlobalOptions()) global += ' ' + o.name;
  out << "  case ${COMP_WORDS[1]} in\n";
  for (const CliCommand& c : CliCommands()) {
    std::vector<std::string> own;
    for (const SCommandOption& o : SynopsisOptions(c.synopsis)) own.push_back(o.name);
    out << "    " << c.name << ")\n      options=\"" << Joined(own) << global << "\"\n";
    const std::set<std::string> extensions = PositionalExtensions(c);
    out << "      [[ $cur == -* ]] || { " << BashFiles(extensions.empty() ? std::set<std::string>{"orv"} : extensions)
        << "; return; } ;;\n";
  }
  out << "    *) return ;;\n  esac\n"
         "  COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
         "}\n"
         "complete -o filenames -F _orv orv\n";
}

void WriteZshCompletion(std::ostream& out) {
  out << "#compdef orv\n# zsh completion for orv, written from orv's own table of commands; do not edit.\n\n"
         "_orv_char_styles() {\n"
         "  local file=${words[(r)*.orv]} styles\n"
         "  [[ -n $file ]] || return 1\n"
         "  styles=(${(f)\"$(orv styles $file 2>/dev/null | sed -n '/^Styly písma:/,/^Styly odstavce:/s/^  \\([^:]*\\): .*/\\1/p')\"})\n"
         "  compadd -a styles\n"
         "}\n\n"
         "_orv() {\n"
         "  local -a commands\n"
         "  commands=(\n";
  auto quoted = [](const std::string& text) {
    std::string q;
    for (char c : text) {
      if (c == '\'') q += "'\\''";
      else if (c == ':' || c == '[' || c == ']') q += std::string("\\") + c;
      else q += c;
    }
    return q;
  };
  for (const CliCommand& c : CliCommands()) out << "    '" << c.name << ':' << quoted(c.summary) << "'\n";
  out << "  )\n"
         "  if (( CURRENT == 2 )); then\n"
         "    _describe -t commands 'příkaz' commands\n"
         "    return\n"
         "  fi\n"
         "  local -a global\n"
         "  global=(\n";
  auto spec = [&quoted](const std::string& name, const std::string& value, const std::vector<std::string>& choices,
                        const std::string& summary) {
    std::string s = "'" + name + '[' + quoted(summary) + ']';
    if (value.empty()) return s + "'";
    s += ':' + quoted(value) + ':';
    if (name == "--char-style")
      s += "_orv_char_styles";
    else if (!choices.empty())
      s += '(' + Joined(choices) + ')';
    else if (const std::string extension = PlaceholderExtension(value); !extension.empty())
      s += "_files -g \"*." + extension + "\"";
    return s + "'";
  };
  for (const CliOption& o : CliGlobalOptions())
    out << "    " << spec(o.name, o.argument, {}, o.summary) << '\n';
  out << "  )\n  local command=$words[2]\n  shift words\n  (( CURRENT-- ))\n  case $command in\n";
  for (const CliCommand& c : CliCommands()) {
    out << "    " << c.name << ")\n      _arguments -s \"${global[@]}\"";
    for (const SCommandOption& o : SynopsisOptions(c.synopsis)) out << " \\\n        " << spec(o.name, o.value, o.choices, o.name);
    const std::set<std::string> extensions = PositionalExtensions(c);
    std::string pattern;
    for (const std::string& e : extensions.empty() ? std::set<std::string>{"orv"} : extensions)
      pattern += (pattern.empty() ? "*." : "|*.") + e;
    out << " \\\n        '*:soubor:_files -g \"(" << pattern << ")\"' ;;\n";
  }
  out << "  esac\n}\n\n_orv \"$@\"\n";
}

}  // namespace orv::cli
