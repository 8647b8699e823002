#include "cli/help_text.h"

#include <cstddef>
#include <span>

#include "cli/options.h"
#include "converter/conversion.h"

namespace eurolire {
namespace {

// "a, b o c": the designations a field reads, as the help lists them.
std::string DesignationList(std::span<const std::string_view> designations) {
  std::string list;
  for (std::size_t i = 0; i < designations.size(); ++i) {
    if (i > 0) list += i + 1 == designations.size() ? " o " : ", ";
    list += designations[i];
  }
  return list;
}

}  // namespace

std::string HelpText(const NumberConventions& conventions,
                     std::string_view window_program) {
  // The rate and the example as the program converts them.
  const std::string rate = ConvertText("1", Field::Euro, conventions).text;
  const std::string example = ConvertText("12", Field::Euro, conventions).text;
  return "Uso: eurolire [--euro | --lire] [IMPORTO...]\n"
         "     eurolire --testo [FILE...]\n"
         "Converte tra euro e lire al cambio irrevocabile di " +
         rate + " lire per euro.\n" +
         (window_program.empty()
              ? std::string("Senza opzioni apre la finestra del convertitore")
              : "Senza opzioni avvia " + std::string(window_program) +
                    ", la finestra del convertitore") +
         ".\n"
         "\n" +
         OptionLines() +
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

}  // namespace eurolire
