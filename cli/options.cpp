#include "cli/options.h"

#include <algorithm>
#include <cstddef>

namespace eurolire {
namespace {

constexpr OptionEntry kOwnOptions[] = {
    {Option::kEuro, "--euro", "IMPORTO...", true,
     "converte importi in euro in lire"},
    {Option::kLire, "--lire", "IMPORTO...", true,
     "converte importi in lire in euro"},
    {Option::kText, "--testo", "FILE...", false,
     "scrive accanto a ogni importo in lire o in euro\n"
     "dei testi il suo controvalore: lire 850.000\n"
     "diventa lire 850.000 (\u20AC 438,99)"},
    {Option::kEndOfOptions, "--", "", false,
     "ciò che segue è un importo o un file, anche\n"
     "se comincia con -"},
    {Option::kHelp, "-h, --help", "", false, "mostra questo aiuto ed esce"},
    {Option::kVersion, "--version", "", false, "mostra la versione ed esce"},
};

// Where the help of every option begins, counted from the line's start.
constexpr std::size_t kHelpColumn = 21;

// The entry that `argument` spells, or that it spells with "=AMOUNT".
const OptionEntry* FindEntry(std::string_view argument) {
  for (const OptionEntry& entry : kOwnOptions) {
    for (std::string_view spelling : SpellingsOf(entry)) {
      if (argument == spelling ||
          (entry.carries_amount && argument.starts_with(spelling) &&
           argument.substr(spelling.size()).starts_with('='))) {
        return &entry;
      }
    }
  }
  return nullptr;
}

void SetSource(Request& request, Field source) {
  if (request.source && *request.source != source) {
    request.problem = "usa --euro oppure --lire, non entrambe";
  }
  request.source = source;
}

}  // namespace

std::span<const OptionEntry> OwnOptions() { return kOwnOptions; }

std::vector<std::string_view> SpellingsOf(const OptionEntry& entry) {
  std::vector<std::string_view> spellings;
  std::string_view names = entry.names;
  while (!names.empty()) {
    const std::size_t comma = std::min(names.find(", "), names.size());
    spellings.push_back(names.substr(0, comma));
    names.remove_prefix(std::min(comma + 2, names.size()));
  }
  return spellings;
}

std::string OptionLines() {
  std::string lines;
  for (const OptionEntry& entry : kOwnOptions) {
    std::string head(2, ' ');
    head += entry.names;
    if (!entry.operands.empty()) (head += ' ') += entry.operands;
    head.resize(std::max(head.size() + 2, kHelpColumn), ' ');
    std::string_view help = entry.help;
    for (bool first = true; !help.empty() || first; first = false) {
      const std::size_t end = std::min(help.find('\n'), help.size());
      lines += first ? head : std::string(kHelpColumn, ' ');
      lines += help.substr(0, end);
      lines += '\n';
      help.remove_prefix(std::min(end + 1, help.size()));
    }
  }
  return lines;
}

bool IsOwnOption(std::string_view argument) {
  const OptionEntry* entry = FindEntry(argument);
  return entry && entry->option != Option::kEndOfOptions;
}

bool LooksLikeOption(std::string_view argument) {
  if (argument.starts_with("--")) return true;
  return argument.size() > 1 && argument[0] == '-' &&
         ((argument[1] >= 'a' && argument[1] <= 'z') ||
          (argument[1] >= 'A' && argument[1] <= 'Z'));
}

// Parsed by hand rather than with an option library: "-5" and "-,5" are
// amounts (the library in Debian 12, CLI11 2.1, takes "-,5" for an unknown
// option), a front end decides which arguments are its toolkit's before
// (IsOwnOption, LooksLikeOption), and every message is in Italian.
Request ParseArguments(const std::vector<std::string_view>& arguments) {
  Request request;
  bool options_ended = false;
  for (std::string_view argument : arguments) {
    const OptionEntry* entry = options_ended ? nullptr : FindEntry(argument);
    if (entry) {
      switch (entry->option) {
        case Option::kEndOfOptions:
          options_ended = true;
          break;
        case Option::kHelp:
          request.help = true;
          break;
        case Option::kVersion:
          request.version = true;
          break;
        case Option::kText:
          request.text = true;
          break;
        case Option::kEuro:
        case Option::kLire:
          SetSource(request,
                    entry->option == Option::kEuro ? Field::Euro : Field::Lire);
          if (const std::size_t equals = argument.find('=');
              equals != std::string_view::npos) {
            request.operands.push_back(argument.substr(equals + 1));
          }
          break;
      }
    } else if (!options_ended && LooksLikeOption(argument)) {
      if (request.problem.empty()) {
        request.problem = "opzione sconosciuta: " + std::string(argument);
      }
    } else {
      request.operands.push_back(argument);
    }
  }
  if (request.problem.empty() && request.text && request.source) {
    request.problem = "--testo non va con --euro o --lire";
  }
  if (request.problem.empty() && !request.source && !request.text) {
    request.problem = "manca --euro o --lire";
  }
  return request;
}

}  // namespace eurolire
