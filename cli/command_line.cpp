#include "cli/command_line.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/quoted_text.h"
#include "converter/amounts_in_text.h"
#include "converter/conversion.h"
#include "converter/run_time_error.h"
#include "form/product.h"

namespace eurolire {
namespace {

constexpr std::string_view kVersionText = "eurolire " EUROLIRE_VERSION "\n";
constexpr std::string_view kTryHelp = "Prova 'eurolire --help'.\n";

// What the arguments ask for.
struct Request {
  bool help = false;
  bool version = false;
  bool text = false;  // --testo: whole texts, `amounts` being files
  std::optional<Field> source;
  std::vector<std::string_view> amounts;
  std::string problem;  // why the arguments make no sense, if they don't
};

enum class Option { kHelp, kVersion, kEuro, kLire, kText };

// The program's own options; --euro and --lire may also carry an amount
// after "=".
struct OwnOption {
  std::string_view name;
  Option option;
};
constexpr OwnOption kOwnOptions[] = {
    {"--help", Option::kHelp},       {"-h", Option::kHelp},
    {"--version", Option::kVersion}, {"--euro", Option::kEuro},
    {"--lire", Option::kLire},       {"--testo", Option::kText}};

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

void SetSource(Request& request, Field source) {
  if (request.source && *request.source != source) {
    request.problem = "usa --euro oppure --lire, non entrambe";
  }
  request.source = source;
}

// Parsed by hand rather than with an option library: "-5" and "-,5" are
// amounts (the library in Debian 12, CLI11 2.1, takes "-,5" for an unknown
// option), a front end decides which arguments are its toolkit's before
// (IsOwnOption, LooksLikeOption), and every message is in Italian.
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
          case Option::kText:
            request.text = true;
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
  if (request.problem.empty() && request.text && request.source) {
    request.problem = "--testo non va con --euro o --lire";
  }
  if (request.problem.empty() && !request.source && !request.text) {
    request.problem = "manca --euro o --lire";
  }
  return request;
}

// "a, b o c": the designations a field reads, as the help lists them.
std::string DesignationList(std::span<const std::string_view> designations) {
  std::string list;
  for (std::size_t i = 0; i < designations.size(); ++i) {
    if (i > 0) list += i + 1 == designations.size() ? " o " : ", ";
    list += designations[i];
  }
  return list;
}

std::string HelpText(const NumberConventions& conventions,
                     std::string_view window_program) {
  const std::string rate =
      FormatAmount(kLirePerEuro, AmountFormat, conventions);
  const std::string example =
      FormatAmount(12 * kLirePerEuro, AmountFormat, conventions);
  return "Uso: eurolire [--euro | --lire] [IMPORTO...]\n"
         "     eurolire --testo [FILE...]\n"
         "Converte tra euro e lire al cambio irrevocabile di " +
         rate + " lire per euro.\n" +
         (window_program.empty()
              ? std::string("Senza opzioni apre la finestra del convertitore")
              : "Senza opzioni avvia " + std::string(window_program) +
                    ", la finestra del convertitore") +
         ".\n"
         "\n"
         "  --euro IMPORTO...  converte importi in euro in lire\n"
         "  --lire IMPORTO...  converte importi in lire in euro\n"
         "  --testo FILE...    scrive accanto a ogni importo in lire o in "
         "euro\n"
         "                     dei testi il suo controvalore: lire 850.000\n"
         "                     diventa lire 850.000 (€ 438,99)\n"
         "  -h, --help         mostra questo aiuto ed esce\n"
         "  --version          mostra la versione ed esce\n"
         "\n"
         "Senza IMPORTO, --euro e --lire leggono dallo standard input un\n"
         "importo per riga e scrivono una riga per ciascuno, vuota se\n"
         "l'importo non si converte; senza FILE, o con -, --testo legge lo\n"
         "standard input. --testo converte gli importi che hanno il nome o\n"
         "il simbolo della valuta e lascia il resto del testo com'è.\n"
         "Gli importi si leggono e si scrivono come li scrive il locale\n"
         "(LC_ALL, LC_NUMERIC, LANG): 12 euro danno " +
         example +
         " lire,\narrotondate al centesimo.\n"
         "Un importo può avere il nome o il simbolo della sua valuta, prima o\n"
         "dopo il numero: " +
         DesignationList(kEuroDesignations) + " per gli euro;\n" +
         DesignationList(kLireDesignations) +
         " per le lire.\n"
         "Si scrive come nei documenti: 150 mila lire, 1,5 milioni di euro,\n"
         "1 500 000, lire cinquecentomila, un milione e mezzo di lire,\n"
         "euro 1.250,50 (milleduecentocinquanta/50), dodici euro e cinquanta\n"
         "centesimi.\n"
         "\n"
         "Stato di uscita: 0 se ogni importo è convertito, 1 se uno non lo\n"
         "è, 2 se gli argomenti sono sbagliati o un file non si legge.\n";
}

// Converts the amounts of one run, writing one line per amount.
class Conversion {
 public:
  Conversion(Field source, const NumberConventions& conventions,
             BufferedOutput& out, BufferedOutput& err)
      : source_(source), conventions_(conventions), out_(out), err_(err) {}

  // `line` is the amount's line on standard input, or 0 for an argument.
  void Convert(std::string_view text, std::int64_t line) {
    try {
      std::string converted = ConvertText(text, source_, conventions_);
      converted += '\n';
      out_.Write(converted);
      return;
    } catch (const TypeMismatchError&) {
      Fail(line, Quote(text) + " non è un numero");
    } catch (const RunTimeError&) {
      Fail(line, Quote(text) +
                     ": il risultato va oltre il numero più grande "
                     "rappresentabile");
    }
    // An empty line keeps the output in step with the input.
    out_.Write("\n");
  }

  bool all_converted() const { return all_converted_; }

 private:
  void Fail(std::int64_t line, const std::string& message) {
    all_converted_ = false;
    // One piece, so that an interactive standard error writes it at once.
    std::string text = "eurolire: ";
    if (line > 0) text += "riga " + std::to_string(line) + ": ";
    text += message;
    text += '\n';
    err_.Write(text);
  }

  Field source_;
  const NumberConventions& conventions_;
  BufferedOutput& out_;
  BufferedOutput& err_;
  bool all_converted_ = true;
};

// Flushes `out`; false, with a message on `err`, when the output failed.
bool Flushed(BufferedOutput& out, BufferedOutput& err) {
  if (out.Flush()) return true;
  err.Write("eurolire: non è stato possibile scrivere i risultati\n");
  return false;
}

int ConvertAll(const Request& request, const NumberConventions& conventions,
               ByteInput& in, BufferedOutput& out, BufferedOutput& err) {
  Conversion conversion(*request.source, conventions, out, err);
  if (!request.amounts.empty()) {
    for (std::string_view amount : request.amounts) {
      conversion.Convert(amount, 0);
    }
  } else {
    LineReader lines(in);
    std::string line;
    LineReader::Status status = LineReader::Status::kLine;
    // A failed write stops the run: nothing more would reach the output.
    for (std::int64_t number = 1;
         !out.failed() &&
         (status = lines.ReadLine(line)) == LineReader::Status::kLine;
         ++number) {
      // Files written on Windows end their lines with "\r\n".
      if (line.ends_with('\r')) line.pop_back();
      conversion.Convert(line, number);
    }
    if (status == LineReader::Status::kFailed) {
      // What converted before the failure is still the user's.
      Flushed(out, err);
      err.Write("eurolire: non è stato possibile leggere lo standard input\n");
      return kExitNotConverted;
    }
  }
  if (!Flushed(out, err)) return kExitNotConverted;
  return conversion.all_converted() ? kExitSuccess : kExitNotConverted;
}

// Reads `input` to its end into `converter`; false when a read failed.
bool ConvertFile(ByteInput& input, TextConverter& converter) {
  std::string block(64 * 1024, '\0');
  for (;;) {
    const std::optional<std::size_t> read =
        input.Read(block.data(), block.size());
    if (!read) return false;
    if (*read == 0) return true;
    converter.Take(std::string_view(block).substr(0, *read));
  }
}

// --testo: each file, or standard input, with every amount's equivalent
// beside it, streamed; a file that cannot be read is named, and the others
// still convert.
int ConvertTexts(const Request& request, const NumberConventions& conventions,
                 ByteInput& in, ByteFiles& files, BufferedOutput& out,
                 BufferedOutput& err) {
  out.SetVerbatim();
  TextConverter converter(conventions,
                          [&out](std::string_view piece) { out.Write(piece); });
  std::vector<std::string_view> names = request.amounts;
  if (names.empty()) names.push_back("-");
  int status = kExitSuccess;
  for (std::string_view name : names) {
    std::unique_ptr<ByteInput> file;
    if (name != "-") file = files.Open(name);
    const bool read =
        (name == "-" || file) && ConvertFile(file ? *file : in, converter);
    // Amounts do not run from one file into the next.
    converter.Finish();
    if (!read) {
      err.Write("eurolire: impossibile leggere " +
                (name == "-" ? std::string("lo standard input") : Quote(name)) +
                "\n");
      status = kExitUsage;
    }
    if (out.failed()) break;
  }
  if (!Flushed(out, err)) return kExitNotConverted;
  if (status == kExitSuccess && !converter.all_converted()) {
    return kExitNotConverted;
  }
  return status;
}

int Run(const std::vector<std::string_view>& arguments,
        const NumberConventions& conventions, ByteInput& in, ByteFiles& files,
        BufferedOutput& out, BufferedOutput& err,
        std::string_view window_program) {
  const Request request = Parse(arguments);
  if (request.help || request.version) {
    out.Write(request.help ? HelpText(conventions, window_program)
                           : std::string(kVersionText));
    return Flushed(out, err) ? kExitSuccess : kExitNotConverted;
  }
  if (!request.problem.empty()) {
    err.Write("eurolire: " + request.problem + '\n' + std::string(kTryHelp));
    return kExitUsage;
  }
  if (request.text) {
    return ConvertTexts(request, conventions, in, files, out, err);
  }
  return ConvertAll(request, conventions, in, out, err);
}

}  // namespace

bool IsOwnOption(std::string_view argument) {
  return FindOwnOption(argument).has_value();
}

bool LooksLikeOption(std::string_view argument) {
  if (argument.starts_with("--")) return true;
  return argument.size() > 1 && argument[0] == '-' &&
         ((argument[1] >= 'a' && argument[1] <= 'z') ||
          (argument[1] >= 'A' && argument[1] <= 'Z'));
}

int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, ByteInput& in,
                   ByteOutput& out, ByteOutput& err, ByteFiles& files,
                   std::string_view window_program) {
  BufferedOutput buffered_out(out, false);
  BufferedOutput buffered_err(err, err.IsInteractive());
  const int status = Run(arguments, conventions, in, files, buffered_out,
                         buffered_err, window_program);
  buffered_err.Flush();
  return status;
}

}  // namespace eurolire
