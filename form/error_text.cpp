#include "form/error_text.h"

namespace eurolire {
namespace {

std::string_view FaultText(int number) {
  switch (number) {
    case kOverflowNumber:
      return "overflow.\nL'importo convertito supera il numero più grande che "
             "il programma sa calcolare.";
    case kOutOfMemoryNumber:
      return "memoria esaurita.";
    case kDivisionByZeroNumber:
      return "divisione per zero.";
    case kFileNotFoundNumber:
      return "file non trovato.\nNon è stato possibile aprire il sito nel "
             "browser.";
    case kTypeMismatchNumber:
      return "tipo non corrispondente.\nIl testo non è un numero.";
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
