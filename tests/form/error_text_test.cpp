// The error report's words: each fault a handler can raise is named in
// Italian by its number, and every report says the program went on.
#include "form/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace eurolire {
namespace {

struct ReportCase {
  int number;
  std::string opening;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.number; }

class ErrorTextTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorTextTest, NamesTheFaultByNumberAndSaysNothingChanged) {
  const std::string text =
      ErrorReportText(RunTimeError(GetParam().number, "x"));
  EXPECT_TRUE(text.starts_with(GetParam().opening)) << text;
  EXPECT_TRUE(text.ends_with("i campi sono rimasti come erano.")) << text;
  // The internal message is for developers, never shown.
  EXPECT_EQ(text.find(": x"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ErrorTextTest,
    ::testing::Values(
        ReportCase{kOverflowNumber, "Errore di run-time 6: overflow."},
        ReportCase{kOutOfMemoryNumber,
                   "Errore di run-time 7: memoria esaurita."},
        ReportCase{kDivisionByZeroNumber,
                   "Errore di run-time 11: divisione per zero."},
        ReportCase{kTypeMismatchNumber,
                   "Errore di run-time 13: tipo non corrispondente."},
        ReportCase{kInternalErrorNumber,
                   "Errore di run-time 51: errore imprevisto."},
        ReportCase{kFileNotFoundNumber,
                   "Errore di run-time 53: file non trovato."}));

}  // namespace
}  // namespace eurolire
