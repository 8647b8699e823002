// The policy for conventions the converter cannot work with: what works is
// kept, what cannot is mended by as little as will do.
#include "form/sound_conventions.h"

#include <gtest/gtest.h>

namespace eurolire {
namespace {

TEST(SoundConventions, KeepsWhatWorksAndMendsWhatCannot) {
  const struct {
    NumberConventions said;
    NumberConventions expected;
  } cases[] = {
      {{",", "."}, {",", "."}},
      {{".", ","}, {".", ","}},
      {{",", "\u202f"}, {",", "\u202f"}},
      {{".", ""}, {".", ""}},
      // Edited settings the converter cannot work with.
      {{"", ","}, {".", ","}},
      {{"", "."}, {".", ""}},
      {{",", ","}, {",", ""}},
      {{"", ""}, {".", ""}},
  };
  for (const auto& c : cases) {
    const NumberConventions got = SoundConventions(c.said);
    EXPECT_EQ(got.decimal_separator, c.expected.decimal_separator);
    EXPECT_EQ(got.grouping_separator, c.expected.grouping_separator);
  }
}

}  // namespace
}  // namespace eurolire
