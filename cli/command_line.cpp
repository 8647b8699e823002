#include "cli/command_line.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "converter/conversion.h"
#include "converter/run_time_error.h"
#include "form/product.h"

namespace eurolire {
namespace {

constexpr std::string_view kVersionText = "eurolire " EUROLIRE_VERSION "\n";
constexpr std::string_view kTryHelp = "Prova 'eurolire --help'.\n";
// Enough to recognise a text, short enough for a megabyte-long line.
constexpr std::size_t kQuotedCharacters = 40;

// What the arguments ask for.
struct Request {
  bool help = false;
  bool version = false;
  std::optional<Field> source;
  std::vector<std::string_view> amounts;
  std::string problem;  // why the arguments make no sense, if they don't
};

enum class Option { kHelp, kVersion, kEuro, kLire };

// The program's own options; --euro and --lire may also carry an amount
// after "=".
struct OwnOption {
  std::string_view name;
  Option option;
};
constexpr OwnOption kOwnOptions[] = {{"--help", Option::kHelp},
                                     {"-h", Option::kHelp},
                                     {"--version", Option::kVersion},
                                     {"--euro", Option::kEuro},
                                     {"--lire", Option::kLire}};

// Qt's options that take the next argument as their value ("-style
// fusion"), so that the value is not taken for an amount.
constexpr std::string_view kQtOptionsWithValue[] = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "qwindowicon",
                                                    "qwindowtitle",
                                                    "session",
                                                    "style",
                                                    "stylesheet",
                                                    "display",
                                                    "geometry",
                                                    "name",
                                                    "title",
                                                    "visual"};

std::optional<Option> FindOwnOption(std::string_view argument) {
  for (const OwnOption& own : kOwnOptions) {
    const bool can_carry =
        own.option == Option::kEuro || own.option == Option::kLire;
    if (argument == own.name ||
        (can_carry && argument.starts_with(own.name) &&
         argument.substr(own.name.size()).starts_with('='))) {
      return own.option;
    }
  }
  return std::nullopt;
}

// "-5" and "-,5" are amounts; "-x" and "--anything" are options.
bool LooksLikeOption(std::string_view argument) {
  if (argument.starts_with("--")) return true;
  return argument.size() > 1 && argument[0] == '-' &&
         ((argument[1] >= 'a' && argument[1] <= 'z') ||
          (argument[1] >= 'A' && argument[1] <= 'Z'));
}

bool IsQtOptionWithValue(std::string_view argument) {
  argument.remove_prefix(argument.find_first_not_of('-'));
  for (std::string_view name : kQtOptionsWithValue) {
    if (argument == name) return true;
  }
  return false;
}

void SetSource(Request& request, Field source) {
  if (request.source && *request.source != source) {
    request.problem = "usa --euro oppure --lire, non entrambe";
  }
  request.source = source;
}

// Parsed by hand rather than with an option library: "-5" and "-,5" are
// amounts (the library in Debian 12, CLI11 2.1, takes "-,5" for an unknown
// option), the values of Qt's own options must not be taken for amounts,
// and every message is in Italian.
Request Parse(const std::vector<std::string_view>& arguments) {
  Request request;
  bool options_ended = false;
  for (std::string_view argument : arguments) {
    if (!options_ended) {
      if (argument == "--") {
        options_ended = true;
        continue;
      }
      if (const std::optional<Option> option = FindOwnOption(argument)) {
        switch (*option) {
          case Option::kHelp:
            request.help = true;
            break;
          case Option::kVersion:
            request.version = true;
            break;
          case Option::kEuro:
          case Option::kLire:
            SetSource(request,
                      *option == Option::kEuro ? Field::Euro : Field::Lire);
            if (const std::size_t equals = argument.find('=');
                equals != std::string_view::npos) {
              request.amounts.push_back(argument.substr(equals + 1));
            }
            break;
        }
        continue;
      }
      if (LooksLikeOption(argument)) {
        if (request.problem.empty()) {
          request.problem = "opzione sconosciuta: " + std::string(argument);
        }
        continue;
      }
    }
    request.amounts.push_back(argument);
  }
  if (request.problem.empty() && !request.source) {
    request.problem = "manca --euro o --lire";
  }
  return request;
}

std::string HelpText(const NumberConventions& conventions) {
  const std::string rate =
      FormatAmount(kLirePerEuro, AmountFormat, conventions);
  const std::string example =
      FormatAmount(12 * kLirePerEuro, AmountFormat, conventions);
  return "Uso: eurolire [--euro | --lire] [IMPORTO...]\n"
         "Converte tra euro e lire al cambio irrevocabile di " +
         rate +
         " lire per euro.\n"
         "Senza opzioni apre la finestra del convertitore.\n"
         "\n"
         "  --euro IMPORTO...  converte importi in euro in lire\n"
         "  --lire IMPORTO...  converte importi in lire in euro\n"
         "  -h, --help         mostra questo aiuto ed esce\n"
         "  --version          mostra la versione ed esce\n"
         "\n"
         "Senza IMPORTO, --euro e --lire leggono dallo standard input un\n"
         "importo per riga e scrivono una riga per ciascuno, vuota se\n"
         "l'importo non si converte. Gli importi si leggono e si scrivono\n"
         "come li scrive il locale (LC_ALL, LC_NUMERIC, LANG): 12 euro\n"
         "danno " +
         example +
         " lire, arrotondate al centesimo.\n"
         "\n"
         "Stato di uscita: 0 se ogni importo è convertito, 1 se uno non lo\n"
         "è, 2 se gli argomenti sono sbagliati.\n";
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or
// 0 when it starts with a byte that begins none.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [text](std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
  };
  const auto in = [](unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (in(lead, 0xC2, 0xDF)) return in(byte(1), 0x80, 0xBF) ? 2 : 0;
  // The second byte's range rules out overlong forms and surrogates.
  unsigned char low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (in(lead, 0xE0, 0xEF)) {
    return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) ? 3 : 0;
  }
  if (in(lead, 0xF0, 0xF4)) {
    return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) &&
                   in(byte(3), 0x80, 0xBF)
               ? 4
               : 0;
  }
  return 0;
}

// `text` for a message: at most kQuotedCharacters characters, in quotes.
// Control characters (C0, DEL, C1) and bytes that are no UTF-8 are written
// as escapes, so that a line of input cannot drive the user's terminal.
std::string Quote(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto escape = [](std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      out += "\\x";
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    }
  };
  std::string quoted = "\"";
  std::size_t characters = 0;
  std::size_t i = 0;
  for (; i < text.size() && characters < kQuotedCharacters; ++characters) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    const std::string_view character = text.substr(i, length ? length : 1);
    const auto first = static_cast<unsigned char>(character[0]);
    const bool c1 =
        first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    if (length == 0 || first < 0x20 || first == 0x7F || c1) {
      escape(quoted, character);
    } else if (first == '"' || first == '\\') {
      quoted.push_back('\\');
      quoted.push_back(character[0]);
    } else {
      quoted += character;
    }
    i += character.size();
  }
  if (i < text.size()) quoted += "...";
  quoted += '"';
  return quoted;
}

// Converts the amounts of one run, writing one line per amount.
class Conversion {
 public:
  Conversion(Field source, const NumberConventions& conventions,
             std::ostream& out, std::ostream& err)
      : source_(source), conventions_(conventions), out_(out), err_(err) {}

  // `line` is the amount's line on standard input, or 0 for an argument.
  void Convert(std::string_view text, std::int64_t line) {
    try {
      out_ << ConvertText(text, source_, conventions_) << '\n';
      return;
    } catch (const TypeMismatchError&) {
      Fail(line, Quote(text) + " non è un numero");
    } catch (const RunTimeError&) {
      Fail(line, Quote(text) +
                     ": il risultato va oltre il numero più grande "
                     "rappresentabile");
    }
    // An empty line keeps the output in step with the input.
    out_ << '\n';
  }

  bool all_converted() const { return all_converted_; }

 private:
  void Fail(std::int64_t line, const std::string& message) {
    all_converted_ = false;
    // One piece, so that an unbuffered standard error writes it at once.
    std::string text = "eurolire: ";
    if (line > 0) text += "riga " + std::to_string(line) + ": ";
    text += message;
    text += '\n';
    err_ << text;
  }

  Field source_;
  const NumberConventions& conventions_;
  std::ostream& out_;
  std::ostream& err_;
  bool all_converted_ = true;
};

// Flushes `out`; false, with a message on `err`, when the output failed.
bool Flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return true;
  err << "eurolire: non è stato possibile scrivere i risultati\n";
  return false;
}

int ConvertAll(const Request& request, const NumberConventions& conventions,
               std::istream& in, std::ostream& out, std::ostream& err) {
  Conversion conversion(*request.source, conventions, out, err);
  if (!request.amounts.empty()) {
    for (std::string_view amount : request.amounts) {
      conversion.Convert(amount, 0);
    }
  } else {
    std::string line;
    // A failed write stops the run: nothing more would reach the output.
    for (std::int64_t number = 1; out && std::getline(in, line); ++number) {
      // Files written on Windows end their lines with "\r\n".
      if (line.ends_with('\r')) line.pop_back();
      conversion.Convert(line, number);
    }
    // A read error ends the loop as the end of the input would.
    if (in.bad()) {
      err << "eurolire: non è stato possibile leggere lo standard input\n";
      return kExitNotConverted;
    }
  }
  if (!Flushed(out, err)) return kExitNotConverted;
  return conversion.all_converted() ? kExitSuccess : kExitNotConverted;
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    // The window takes no words of its own: an amount, or a word meant as
    // one, is for the command line, which explains what it lacks.
    if (FindOwnOption(argument) || !LooksLikeOption(argument)) return true;
    if (IsQtOptionWithValue(argument)) ++i;
  }
  return false;
}

int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, std::istream& in,
                   std::ostream& out, std::ostream& err) {
  const Request request = Parse(arguments);
  if (request.help || request.version) {
    out << (request.help ? HelpText(conventions) : std::string(kVersionText));
    return Flushed(out, err) ? kExitSuccess : kExitNotConverted;
  }
  if (!request.problem.empty()) {
    err << "eurolire: " << request.problem << '\n' << kTryHelp;
    return kExitUsage;
  }
  return ConvertAll(request, conventions, in, out, err);
}

}  // namespace eurolire
