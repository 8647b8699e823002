#include "converter/converter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kEnglish;
using testing::Session;

constexpr Field kEuro = Field::Euro;
constexpr Field kLire = Field::Lire;

TEST(ConverterTest, StartsWithNoRateAndNoActiveField) {
  Session session;
  EXPECT_EQ(session.converter.Rate(), CurrencyValue{0});
  EXPECT_FALSE(session.converter.ActiveField().has_value());
  session.Start();
  EXPECT_EQ(session.converter.Rate(), CurrencyValue{19'362'700});
  EXPECT_EQ(session.converter.ActiveField(), kEuro);
  EXPECT_EQ(session.Euro(), "");
  EXPECT_EQ(session.Lire(), "");
  EXPECT_EQ(session.view.Changes(), 0);
}

TEST(ConverterTest, FocusRecordsTheLastFieldAndTouchesNoText) {
  Session session;
  session.Start();
  session.view.Type(kEuro, "5");
  const std::string lire = session.Lire();
  const int changes = session.view.Changes();
  for (Field field : {kLire, kEuro, kLire}) {
    session.Focus(field);
    EXPECT_EQ(session.converter.ActiveField(), field);
  }
  EXPECT_EQ(session.Euro(), "5");
  EXPECT_EQ(session.Lire(), lire);
  EXPECT_EQ(session.view.Changes(), changes);
}

struct ConversionCase {
  Field typed_into;
  const char* typed;
  const char* other;  // what the other field reads afterwards
};

// Without it GoogleTest prints the case's bytes, padding included, which
// reads uninitialised memory (valgrind reports it) and names no case.
void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << (c.typed_into == kEuro ? "euro " : "lire ") << '"' << c.typed << '"';
}

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, TypingConvertsIntoTheOtherField) {
  const ConversionCase& c = GetParam();
  Session session;
  session.Start();
  session.TypeKeys(c.typed_into, c.typed);
  const Field other = c.typed_into == kEuro ? kLire : kEuro;
  EXPECT_EQ(session.view.Text(c.typed_into), c.typed);  // never rewritten
  EXPECT_EQ(session.view.Text(other), c.other);
}

INSTANTIATE_TEST_SUITE_P(
    Italian, ConversionTest,
    ::testing::Values(ConversionCase{kEuro, "1", "1.936,27"},
                      ConversionCase{kEuro, "12", "23.235,24"},
                      ConversionCase{kEuro, "0,5", "968,14"},
                      ConversionCase{kEuro, "1.000", "1.936.270,00"},
                      ConversionCase{kEuro, "1000000", "1.936.270.000,00"},
                      // Mixed blanks around the amount, typed first.
                      ConversionCase{kEuro, "\t 12", "23.235,24"},
                      ConversionCase{kLire, "1000", "0,52"},
                      ConversionCase{kLire, "1.936,27", "1,00"},
                      ConversionCase{kLire, "1", "0,00"},
                      ConversionCase{kLire, "1.000", "0,52"},
                      // A fraction of a lira is a positive amount in the
                      // locale's reading, and converts like any other.
                      ConversionCase{kLire, "0,5", "0,00"},
                      ConversionCase{kLire, ",5", "0,00"},
                      ConversionCase{kLire, "9999,5", "5,16"},
                      // Each field reads its own currency's signs.
                      ConversionCase{kLire, "L. 1.000.000", "516,46"},
                      ConversionCase{kEuro, "12,50 \u20AC", "24.203,38"}));

TEST(ConverterTest, ConvertsInTheEnglishLocale) {
  Session session(kEnglish);
  session.Start();
  session.TypeKeys(kEuro, "12");
  EXPECT_EQ(session.Lire(), "23,235.24");
  session.TypeKeys(kLire, "1,000");
  EXPECT_EQ(session.Euro(), "0.52");
}

TEST(ConverterTest, WrittenResultIsNotConvertedBack) {
  Session session;
  session.Start();
  session.view.Type(kEuro, "12");
  // The lire field's change ran inside the euro field's, and went no deeper.
  EXPECT_EQ(session.view.MaxDepth(), 2);
  EXPECT_EQ(session.view.Changes(), 2);
  EXPECT_EQ(session.Euro(), "12");
}

TEST(ConverterTest, ZeroAndNegativeAmountsLeaveTheOtherField) {
  for (Field field : {kEuro, kLire}) {
    const Field other = field == kEuro ? kLire : kEuro;
    for (const char* amount : {"0", "-5", "0,00", "-0,5", "-1.000"}) {
      Session session;
      session.Start();
      session.TypeKeys(field, "7");
      const std::string converted = session.view.Text(other);
      ASSERT_NE(converted, "");
      session.view.Type(field, amount);
      EXPECT_EQ(session.view.Text(other), converted) << amount;
      EXPECT_EQ(session.view.Text(field), amount);
    }
  }
}

TEST(ConverterTest, EmptyingTheActiveFieldEmptiesTheOther) {
  for (Field field : {kEuro, kLire}) {
    Session session;
    session.Start();
    session.TypeKeys(field, "12");
    session.view.Type(field, "");
    EXPECT_EQ(session.Euro(), "");
    EXPECT_EQ(session.Lire(), "");
  }
}

TEST(ConverterTest, NonNumberEmptiesTheOtherFieldAndKeepsWhatWasTyped) {
  for (Field field : {kEuro, kLire}) {
    const Field other = field == kEuro ? kLire : kEuro;
    Session session;
    session.Start();
    session.TypeKeys(field, "12a");  // "12" converted, then "12a" typed
    EXPECT_EQ(session.view.Text(field), "12a");
    EXPECT_EQ(session.view.Text(other), "");
    EXPECT_LE(session.view.MaxDepth(), 2);
  }
}

TEST(ConverterTest, NonNumberWithTheOtherFieldEmptyChangesNothingElse) {
  Session session;
  session.Start();
  session.view.Type(kEuro, "abc");
  EXPECT_EQ(session.Euro(), "abc");
  EXPECT_EQ(session.Lire(), "");
  EXPECT_EQ(session.view.Changes(), 1);
}

TEST(ConverterTest, BeforeAnyFocusNumbersDoNotConvertButNonNumbersEmpty) {
  Session session;
  session.converter.Form_Load();
  session.view.Type(kLire, "1000");
  EXPECT_EQ(session.Euro(), "");
  session.view.Type(kEuro, "x");
  EXPECT_EQ(session.Lire(), "");
  EXPECT_EQ(session.Euro(), "x");
}

TEST(ConverterTest, InactiveFieldNonNumberStillEmptiesTheActiveOnesPartner) {
  // The emptying rule looks at no focus: a non-number in either field
  // empties the other one, whichever field last had the focus.
  Session session;
  session.Start();
  session.TypeKeys(kEuro, "12");
  session.Focus(kEuro);
  session.view.Type(kLire, "?");
  EXPECT_EQ(session.Euro(), "");
  EXPECT_EQ(session.Lire(), "?");
}

TEST(ConverterTest, OverflowRaisesAndLeavesTheFieldsAsTheyWere) {
  Session session;
  session.Start();
  session.TypeKeys(kEuro, "12");
  const std::string huge = "1" + std::string(305, '0');
  EXPECT_THROW(session.view.Type(kEuro, huge), OverflowError);
  EXPECT_EQ(session.Euro(), huge);
  EXPECT_EQ(session.Lire(), "23.235,24");
  EXPECT_EQ(session.converter.Rate(), CurrencyValue{19'362'700});
  EXPECT_EQ(session.converter.ActiveField(), kEuro);
  // The largest amount that still converts: 9.28e304 euro.
  session.view.Type(kEuro, "928" + std::string(302, '0'));
  EXPECT_TRUE(IsNumberText(session.Lire(), testing::kItalian));
  EXPECT_EQ(session.Lire().substr(0, 7), "179.685");
}

TEST(ConverterTest, EuroBeforeTheRateIsSetConvertsToZeroLire) {
  Session session;
  session.converter.Euro_GotFocus();
  session.view.Type(kEuro, "12");
  EXPECT_EQ(session.Lire(), "0,00");
}

TEST(ConverterTest, LireBeforeTheRateIsSetIsADivisionByZero) {
  Session session;
  session.Focus(kLire);
  session.view.Type(kEuro, "x");  // the emptying rule still works
  EXPECT_THROW(session.view.Type(kLire, "1000"), DivisionByZeroError);
  EXPECT_EQ(session.Euro(), "x");
}

// A view whose write fails once, as a broken window would.
class FailingView : public testing::FakeView {
 public:
  void ReplaceText(Field field, const std::string& text) override {
    if (fail_next_) {
      fail_next_ = false;
      throw RunTimeError(440, "the field could not be written");
    }
    FakeView::ReplaceText(field, text);
  }
  void FailNextWrite() { fail_next_ = true; }

 private:
  bool fail_next_ = false;
};

TEST(ConverterTest, AFailedWriteLeavesTheConverterWorking) {
  FailingView view;
  Converter converter(view, testing::kItalian);
  view.Attach(converter);
  converter.Form_Load();
  converter.Euro_GotFocus();
  view.FailNextWrite();
  EXPECT_THROW(view.Type(Field::Euro, "1"), RunTimeError);
  EXPECT_EQ(view.Text(Field::Lire), "");
  view.Type(Field::Euro, "12");
  EXPECT_EQ(view.Text(Field::Lire), "23.235,24");
  // The echo of the converter's own write is still told apart from typing.
  view.Type(Field::Euro, "12a");
  EXPECT_EQ(view.Text(Field::Euro), "12a");
}

}  // namespace
}  // namespace eurolire
