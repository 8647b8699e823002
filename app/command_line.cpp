#include "app/command_line.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "converter/conversion.h"
#include "converter/run_time_error.h"

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

std::optional<Field> DirectionOption(std::string_view argument) {
  if (argument == "--euro") return Field::Euro;
  if (argument == "--lire") return Field::Lire;
  return std::nullopt;
}

// "-5" and "-,5" are amounts; "-x" and "--anything" are options.
bool LooksLikeOption(std::string_view argument) {
  if (argument.starts_with("--")) return true;
  return argument.size() > 1 && argument[0] == '-' &&
         ((argument[1] >= 'a' && argument[1] <= 'z') ||
          (argument[1] >= 'A' && argument[1] <= 'Z'));
}

void SetSource(Request& request, Field source) {
  if (request.source && *request.source != source) {
    request.problem = "usa --euro oppure --lire, non entrambe";
  }
  request.source = source;
}

Request Parse(const std::vector<std::string_view>& arguments) {
  Request request;
  bool options_ended = false;
  for (std::string_view argument : arguments) {
    if (!options_ended) {
      const std::size_t equals = argument.find('=');
      const std::string_view name = argument.substr(0, equals);
      if (argument == "--") {
        options_ended = true;
        continue;
      }
      if (argument == "--help" || argument == "-h") {
        request.help = true;
        continue;
      }
      if (argument == "--version") {
        request.version = true;
        continue;
      }
      if (const std::optional<Field> source = DirectionOption(name)) {
        SetSource(request, *source);
        if (equals != std::string_view::npos) {
          request.amounts.push_back(argument.substr(equals + 1));
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

// `text` for a message: at most kQuotedCharacters characters, in quotes,
// with control characters (C0, DEL and C1) written as escapes so that a line
// of input cannot drive the user's terminal.
std::string Quote(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto escape = [](std::string& out, unsigned char byte) {
    out += "\\x";
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0xF]);
  };
  std::string quoted = "\"";
  std::size_t characters = 0;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool continuation = (byte & 0xC0) == 0x80;
    if (!continuation && characters++ == kQuotedCharacters) break;
    if (byte < 0x20 || byte == 0x7F) {
      escape(quoted, byte);
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80) {
      escape(quoted, byte);
      escape(quoted, static_cast<unsigned char>(text[++i]));
    } else if (byte == '"' || byte == '\\') {
      quoted.push_back('\\');
      quoted.push_back(static_cast<char>(byte));
    } else {
      quoted.push_back(static_cast<char>(byte));
    }
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
  void Convert(std::string_view text, long line) {
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
  void Fail(long line, const std::string& message) {
    all_converted_ = false;
    err_ << "eurolire: ";
    if (line > 0) err_ << "riga " << line << ": ";
    err_ << message << '\n';
  }

  Field source_;
  const NumberConventions& conventions_;
  std::ostream& out_;
  std::ostream& err_;
  bool all_converted_ = true;
};

int ConvertAll(const Request& request, const NumberConventions& conventions,
               std::istream& in, std::ostream& out, std::ostream& err) {
  Conversion conversion(*request.source, conventions, out, err);
  if (!request.amounts.empty()) {
    for (std::string_view amount : request.amounts) {
      conversion.Convert(amount, 0);
    }
  } else {
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
      // Files written on Windows end their lines with "\r\n".
      if (line.ends_with('\r')) line.pop_back();
      conversion.Convert(line, number);
    }
  }
  out.flush();
  if (!out) {
    err << "eurolire: non è stato possibile scrivere i risultati\n";
    return kExitNotConverted;
  }
  return conversion.all_converted() ? kExitConverted : kExitNotConverted;
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
  for (std::string_view argument : arguments) {
    const std::string_view name = argument.substr(0, argument.find('='));
    if (argument == "--help" || argument == "-h" || argument == "--version" ||
        DirectionOption(name)) {
      return true;
    }
  }
  return false;
}

int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, std::istream& in,
                   std::ostream& out, std::ostream& err) {
  const Request request = Parse(arguments);
  if (request.help || request.version) {
    out << (request.help ? HelpText(conventions) : std::string(kVersionText));
    out.flush();
    return out ? kExitConverted : kExitNotConverted;
  }
  if (!request.problem.empty()) {
    err << "eurolire: " << request.problem << '\n' << kTryHelp;
    return kExitUsage;
  }
  return ConvertAll(request, conventions, in, out, err);
}

}  // namespace eurolire
