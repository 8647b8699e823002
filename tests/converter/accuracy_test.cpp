// The converted text must equal the exact decimal result rounded to the cent
// with halves up (regulation 1103/97), computed here in integer arithmetic
// only: for every euro amount from 0,01 to 100.000,00 and every whole lire
// amount from 1 to 10.000.000, plus a spread of lire amounts up to ten
// billion. Builds that run the suite again for another reason (under the
// sanitizers, in WebAssembly) and run it ten to forty times slower take every
// EUROLIRE_ACCURACY_STRIDE-th amount of the two sweeps instead (the top
// CMakeLists.txt); the native builds take every one.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <utility>

#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kEnglish;
using testing::kItalian;
using testing::Session;

// Lire per euro times 100, so that the rate is a whole number.
constexpr std::uint64_t kRateTimes100 = 193'627;

// Prime to 10, so that a sample still meets every last digit.
constexpr std::uint64_t kStride = EUROLIRE_ACCURACY_STRIDE;
static_assert(kStride % 2 != 0 && kStride % 5 != 0,
              "EUROLIRE_ACCURACY_STRIDE must be prime to 10");

// `cents` written as "##,##0.00" writes it, by integer arithmetic.
std::string CentsText(std::uint64_t cents,
                      const NumberConventions& conventions) {
  const std::string integer = std::to_string(cents / 100);
  std::string text;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) {
      text += conventions.grouping_separator;
    }
    text.push_back(integer[i]);
  }
  const std::uint64_t fraction = cents % 100;
  text += conventions.decimal_separator;
  text.push_back(static_cast<char>('0' + fraction / 10));
  text.push_back(static_cast<char>('0' + fraction % 10));
  return text;
}

// e euro cents are e x 1936.27 lire = e x 193627 / 100 lire cents.
std::uint64_t LireCents(std::uint64_t euro_cents) {
  return (euro_cents * kRateTimes100 + 50) / 100;
}

// l lire are l / 1936.27 euro = l x 10000 / 193627 euro cents; the divisor
// is odd, so no amount falls exactly on a half.
std::uint64_t EuroCents(std::uint64_t lire) {
  return (2 * lire * 10'000 + kRateTimes100) / (2 * kRateTimes100);
}

// Counts the amounts whose conversion matches, and says so.
class Tally {
 public:
  explicit Tally(std::string name) : name_(std::move(name)) {}
  ~Tally() {
    std::cout << name_ << ": " << total_ - mismatches_ << " of " << total_
              << " match (" << 100.0 * (total_ - mismatches_) / total_
              << " %)\n";
  }
  void Check(const std::string& typed, const std::string& got,
             const std::string& expected) {
    ++total_;
    if (got == expected) return;
    // A few examples say what is wrong; all of them would say nothing more.
    if (++mismatches_ <= 5) {
      ADD_FAILURE() << typed << " converted to " << got << ", not " << expected;
    }
  }
  std::uint64_t Mismatches() const { return mismatches_; }

 private:
  std::string name_;
  std::uint64_t total_ = 0;
  std::uint64_t mismatches_ = 0;
};

void CheckEveryEuroCent(const NumberConventions& conventions,
                        const std::string& name) {
  Session session(conventions);
  session.Start();
  Tally tally(name);
  for (std::uint64_t cents = 1; cents <= 10'000'000; cents += kStride) {
    const std::string euro = CentsText(cents, conventions);
    session.view.Type(Field::Euro, euro);
    tally.Check(euro, session.Lire(), CentsText(LireCents(cents), conventions));
  }
  EXPECT_EQ(tally.Mismatches(), 0u);
}

TEST(AccuracyTest, EveryEuroCentToLireItalian) {
  CheckEveryEuroCent(kItalian, "euro to lire, Italian");
}

TEST(AccuracyTest, EveryEuroCentToLireEnglish) {
  CheckEveryEuroCent(kEnglish, "euro to lire, English");
}

TEST(AccuracyTest, EveryWholeLiraToEuro) {
  Session session;
  session.Start();
  session.Focus(Field::Lire);
  Tally tally("lire to euro, 1 to 10.000.000");
  for (std::uint64_t lire = 1; lire <= 10'000'000; lire += kStride) {
    const std::string typed = std::to_string(lire);
    session.view.Type(Field::Lire, typed);
    tally.Check(typed, session.Euro(), CentsText(EuroCents(lire), kItalian));
  }
  EXPECT_EQ(tally.Mismatches(), 0u);
}

TEST(AccuracyTest, SpreadOfLireUpToTenBillion) {
  for (const NumberConventions* conventions : {&kItalian, &kEnglish}) {
    Session session(*conventions);
    session.Start();
    session.Focus(Field::Lire);
    Tally tally("lire to euro, up to 10.000.000.000");
    std::uint64_t lire = 10'000'019;
    for (; lire <= 10'000'000'000; lire += 999'983) {
      // Typed with grouping separators, as the field shows them.
      std::string typed = CentsText(lire * 100, *conventions);
      typed.resize(typed.size() - conventions->decimal_separator.size() - 2);
      session.view.Type(Field::Lire, typed);
      tally.Check(typed, session.Euro(),
                  CentsText(EuroCents(lire), *conventions));
    }
    EXPECT_EQ(tally.Mismatches(), 0u);
  }
}

}  // namespace
}  // namespace eurolire
