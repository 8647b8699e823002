#include "form/error_text.h"

namespace eurolire {
namespace {

std::string FaultText(int number) {
  switch (number) {
    case kOverflowNumber:
      // The sentence's first letter, a capital here.
      return "overflow.\nL" + std::string(kOverflowText.substr(1)) + ".";
    case kOutOfMemoryNumber:
      return "memoria esaurita.";
    case kDivisionByZeroNumber:
      return "divisione per zero.";
    case kFileNotFoundNumber:
      return "file non trovato.\nNon è stato possibile aprire il sito nel "
             "browser.";
    case kTypeMismatchNumber:
      return "tipo non corrispondente.\nIl testo " +
             std::string(kNotANumberText) + ".";
    default:
      return "errore imprevisto.";
  }
}

}  // namespace

std::string ErrorReportText(const RunTimeError& error) {
  std::string text =
      "Errore di run-time " + std::to_string(error.Number()) + ": ";
  text += FaultText(error.Number());
  text +=
      "\n\nL'operazione è stata annullata; i campi sono rimasti come erano.";
  return text;
}

}  // namespace eurolire
