// The command line's options, in one table whose entries carry their own
// help: the parsing of the arguments, the option lines of `--help`
// (cli/help_text.h) and the check of the manual page's option list
// (resources/eurolire.1.in, in the tests) all read it.
#ifndef EUROLIRE_CLI_OPTIONS_H_
#define EUROLIRE_CLI_OPTIONS_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "converter/conversion.h"
#include "converter/number_text.h"

namespace eurolire {

enum class Option { kEuro, kLire, kText, kEndOfOptions, kHelp, kVersion };

// One option of the table.
struct OptionEntry {
  Option option;
  // Its spellings, as the help lists them: "-h, --help".
  std::string_view names;
  // What follows it in the help ("IMPORTO..."), if anything.
  std::string_view operands;
  // True when it may carry an amount after "=" (--euro=12).
  bool carries_amount;
  // Its help, in Italian: lines separated by "\n", none at the end.
  std::string_view help;
};

// The table, in the order the help lists it.
std::span<const OptionEntry> OwnOptions();

// Each spelling of `entry` ("-h", "--help").
std::vector<std::string_view> SpellingsOf(const OptionEntry& entry);

// The help's lines for the table, one entry after another, each line ended
// by "\n": the spellings and operands, then the help from a fixed column.
std::string OptionLines();

// True for the command line's own options: a spelling in the table, or
// --euro=AMOUNT or --lire=AMOUNT ("--" is not one: it belongs to whichever
// program reads the arguments).
bool IsOwnOption(std::string_view argument);

// True for what the command line takes for an option rather than an amount:
// "--anything", "-x"; not "-5" or "-,5", which are amounts.
bool LooksLikeOption(std::string_view argument);

// What the arguments ask for.
struct Request {
  bool help = false;
  bool version = false;
  bool text = false;  // --testo: whole texts, `operands` being files
  std::optional<Field> source;
  std::vector<std::string_view> operands;  // amounts, or files for --testo
  std::string problem;  // why the arguments make no sense, if they don't
};

// Reads the arguments (without the program's name). Every problem is worded
// in Italian; the first one found is kept.
Request ParseArguments(const std::vector<std::string_view>& arguments);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_OPTIONS_H_
