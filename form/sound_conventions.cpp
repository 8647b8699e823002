#include "form/sound_conventions.h"

namespace eurolire {

NumberConventions SoundConventions(NumberConventions said) {
  // Appended, not assigned: gcc 12 warns wrongly (-Wrestrict) on assigning
  // a one-character literal.
  if (said.decimal_separator.empty()) said.decimal_separator.push_back('.');
  if (said.grouping_separator == said.decimal_separator) {
    said.grouping_separator.clear();
  }
  return said;
}

}  // namespace eurolire
