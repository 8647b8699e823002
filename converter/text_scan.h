// The scan of running text for its amounts, which `FindAmounts` and
// `TextConverter` share (converter/amounts_in_text.h says what counts as an
// amount and what does not).
#ifndef EUROLIRE_CONVERTER_TEXT_SCAN_H_
#define EUROLIRE_CONVERTER_TEXT_SCAN_H_

#include <cstddef>
#include <string_view>
#include <vector>

#include "converter/amounts_in_text.h"
#include "converter/number_text.h"

namespace eurolire {

// The amounts of `text` that begin from `start` up to `stop`, appended to
// `found`, read with what `signs` says the text has shown so far of how it
// writes amounts, which the scan brings up to date; `locale` decides where
// the text shows nothing. Returns where the scan stopped, at or past
// `stop`. Linear in what it reads; never throws but for memory.
std::size_t ScanAmounts(std::string_view text, const NumberConventions& locale,
                        TextSigns& signs, std::size_t start, std::size_t stop,
                        std::vector<AmountInText>& found);

// The separators of numbers written the English way ("12.50") or the
// Italian ("12,50"), as a text's amounts and their equivalents are.
const NumberConventions& WrittenWay(bool english);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_TEXT_SCAN_H_
