// Whole numbers written in Italian words, as deeds, contracts and cheques
// write amounts: "cinquecentomila", "un milione e mezzo", "sedici milioni
// cinquecentomila". The grammar, over morphemes matched in any case:
//
//   number  := "zero" | scaled [ "e" "mezzo" ]
//   scaled  := [ group "miliardi" | "un" "miliardo" ]
//              [ group "milioni"  | "un" "milione"  ]
//              [ group "mila"     | "mille"         ]  [ group ]
//              (at least one part; "e mezzo" only after a scale word)
//   group   := [ unit "cento" | "cento" ] [ ten [ unit ] | teen | unit ]
//              (1 to 999; a unit before "cento" is 2 to 9)
//   unit    := "uno" | "un" | "una" | "due" | "tre" | "tré" | ... | "nove"
//   teen    := "dieci" | "undici" | ... | "diciannove"
//   ten     := "venti" | "trenta" | ... | "novanta"
//
// A ten, or "cento", may drop its last vowel before a morpheme that begins
// with a vowel, as Italian writes them ("ventuno", "ventotto",
// "centottanta"), or keep it ("centoottanta"). Morphemes run together in one
// word; blanks may stand only before or after a scale word ("dieci mila",
// "un milione duecentomila"), and " e " only after one, before a smaller
// group or "mezzo" ("un milione e duecentomila"), unless "centesimi"
// follows that group, which is then the amount's cents ("quattromila e
// cinque centesimi"). "e mezzo" adds half of the scale before it: "un
// milione e mezzo" is 1.500.000; "mille" is a scale word too ("mille e
// cinquecento").
#ifndef EUROLIRE_CONVERTER_NUMBER_WORDS_H_
#define EUROLIRE_CONVERTER_NUMBER_WORDS_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace eurolire {

struct NumberWords {
  std::uint64_t value = 0;  // at most 999.999.999.999
  std::size_t end = 0;      // just past the last word read
  // The last word is a scale ("mila", "milioni", "e mezzo"), which "di"
  // may follow before a currency's name ("un milione di lire").
  bool ends_in_scale = false;
};

// The length of "centesimi", "centesimo" or "cents" at `pos`, as a whole
// word, or 0.
std::size_t CentWordAt(std::string_view text, std::size_t pos);

// Reads the number written in words that begins at `pos`, as far as the
// words go on with it: in "dodici euro" it reads "dodici". Nothing when the
// word at `pos` is not wholly a number ("dodicimilla", "europa"). Linear in
// what it reads; never throws.
std::optional<NumberWords> ReadNumberWords(std::string_view text,
                                           std::size_t pos);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_NUMBER_WORDS_H_
