#include "converter/text_scan.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "converter/amount_reading.h"
#include "converter/characters.h"
#include "converter/number_words.h"

namespace eurolire {
namespace {

using Way = TextSigns::Way;

// The lire's designations, and in running text the diminutive too: "50
// lirette".
constexpr auto kLireInText = [] {
  std::array<std::string_view, std::size(kLireDesignations) + 1> all{};
  std::copy(std::begin(kLireDesignations), std::end(kLireDesignations),
            all.begin());
  all.back() = "lirette";
  return all;
}();
constexpr CurrencyWords kLireTextWords{.designations = kLireInText};

// Both currencies, in the order of `CurrencyOf`.
constexpr std::array<CurrencyWords, 2> kCurrencies = {kEuroWords,
                                                      kLireTextWords};
constexpr std::array<CurrencyWords, 1> kEuroOnly = {kEuroWords};

Field CurrencyOf(std::size_t index) {
  return index == 0 ? Field::Euro : Field::Lire;
}

// A number before one of these is a day of a date, not an amount; the
// short forms only with their dot ("5 dic. 2000").
constexpr std::string_view kMonths[] = {
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
constexpr std::string_view kShortMonths[] = {
    "gen.", "feb.", "mar.",  "apr.", "mag.", "giu.", "lug.",
    "ago.", "set.", "sett.", "ott.", "nov.", "dic."};

// After "lira" or "lire", the lira of another state: "lire turche",
// "ventimila lire sterline". Lire of the Vatican and San Marino, at par
// with the Italian, are not among them.
constexpr std::string_view kForeignLire[] = {
    "sterlina",    "sterline", "turca",       "turche",      "turchi",
    "egiziana",    "egiziane", "libanese",    "libanesi",    "siriana",
    "siriane",     "maltese",  "maltesi",     "israeliana",  "israeliane",
    "cipriota",    "cipriote", "irlandese",   "irlandesi",   "australiana",
    "australiane", "inglese",  "inglesi",     "scozzese",    "scozzesi",
    "ottomana",    "ottomane", "palestinese", "palestinesi", "giordana",
    "giordane",    "sudanese", "sudanesi"};

// After "lira" or "lire", the states whose lire were the Italian or at par.
constexpr std::string_view kItalianLire[] = {"italiana",    "italiane",
                                             "vaticana",    "vaticane",
                                             "sammarinese", "sammarinesi"};

// Words before an amount of the other currency that make it the first
// one's equivalent, "a" or "ad" after them or not: "lire 1.000.000, pari
// a € 516,46", "(pari ad Euro 77,50)", "equivalenti a quasi 37 milioni di
// euro".
constexpr std::string_view kRestating[] = {
    "pari",  "corrispondenti", "corrispondente", "equivalenti", "equivalente",
    "ossia", "cio\xC3\xA8",    "ovvero",         "circa",       "quasi"};
// Of those, the ones that only approximate: after other words they may
// bring another figure ("e il pranzo circa 10 euro").
constexpr std::string_view kApproximating[] = {"circa", "quasi"};

// The length of the UTF-8 character at `pos`, or 1 for a byte that begins
// none, so that a scan never starts inside a character.
std::size_t CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t size = lead < 0xC2   ? 1
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                                         : 4;
  std::size_t length = 1;
  while (length < size && pos + length < text.size() &&
         (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// "lire", "lira", "lirette" or "£", which other states' lire share; not
// "L." or "₤".
bool IsBareLira(std::string_view designation) {
  for (std::string_view bare : {"lire", "lira", "lirette"}) {
    if (designation.size() == bare.size() &&
        FoldedPrefixAt(designation, 0, bare) == bare.size()) {
      return true;
    }
  }
  return designation.starts_with("\u00A3");
}

std::size_t AnyWordAt(std::string_view text, std::size_t pos,
                      std::span<const std::string_view> words) {
  for (std::string_view word : words) {
    if (const std::size_t size = WordAt(text, pos, word)) return size;
  }
  return 0;
}

// Which way of writing numbers alone reads `digits` ("1.250,00", "12.50",
// "1.000.000"), or kUnknown ("1.250", "1250"); "1.000,-" is Italian.
Way WayOf(std::string_view digits, std::string_view after) {
  int dots = 0;
  int commas = 0;
  char last = 0;
  std::size_t run = 0;
  for (char c : digits) {
    if (c == '.' || c == ',') {
      (c == '.' ? dots : commas) += 1;
      last = c;
      run = 0;
    } else if (IsDigit(c)) {
      ++run;
    }
  }
  if (dots > 0 && commas > 0)
    return last == ',' ? Way::kItalian : Way::kEnglish;
  if (dots > 1) return Way::kItalian;
  if (commas > 1) return Way::kEnglish;
  if (dots == 1 && run != 3) return Way::kEnglish;
  if (commas == 1 && run != 3) return Way::kItalian;
  if (after.starts_with(",-") || after.starts_with(",=")) return Way::kItalian;
  return Way::kUnknown;
}

class Scan {
 public:
  Scan(std::string_view text, const NumberConventions& locale, TextSigns& signs,
       bool looking_ahead = false)
      : text_(text),
        locale_(locale),
        signs_(signs),
        looking_ahead_(looking_ahead) {}

  // The amounts that begin from `start` up to `stop`, into `found`; where
  // the scan stopped, at or past `stop`.
  std::size_t Run(std::size_t start, std::size_t stop,
                  std::vector<AmountInText>& found) {
    std::size_t pos = start;
    while (pos < stop) {
      if (!CanStart(pos)) {
        pos += CharacterAt(text_, pos);
        continue;
      }
      pos = Try(pos, found);
    }
    return pos;
  }

 private:
  struct Candidate {
    AmountRead read;
    Way way = Way::kItalian;
  };

  bool CanStart(std::size_t pos) const {
    const char c = text_[pos];
    if (IsDigit(c)) return true;
    // A dash between digits is never a minus: "700-800 euro".
    if (c == '+' || c == '-') return pos == 0 || !IsDigit(text_[pos - 1]);
    if (LetterAt(text_, pos)) return !LetterBefore(text_, pos);
    // "€", "£" and "₤"; what else lies beyond ASCII the reading refuses.
    return static_cast<unsigned char>(c) >= 0x80;
  }

  std::optional<AmountRead> ReadIn(std::size_t pos, Way way,
                                   std::span<const CurrencyWords> currencies,
                                   std::size_t* stopped_at = nullptr) const {
    return ReadAmount(text_, pos, WrittenWay(way == Way::kEnglish), currencies,
                      Reading::kText, stopped_at);
  }

  Way WayOf(const AmountRead& read) const {
    return eurolire::WayOf(
        text_.substr(read.digits_begin, read.digits_end - read.digits_begin),
        text_.substr(read.digits_end));
  }

  // How the text writes euros where an amount does not tell: as its last
  // amount that does, or else its next, or else as the user's locale.
  Way EuroWay(std::size_t pos) {
    if (signs_.way != Way::kUnknown) return signs_.way;
    if (looking_ahead_) return Way::kItalian;
    if (const Way next = Ahead(pos).way; next != Way::kUnknown) return next;
    return locale_.decimal_separator == "." ? Way::kEnglish : Way::kItalian;
  }

  // The amount at `pos` read as the text writes numbers: lire the Italian
  // way, euros the way their digits tell or else the text's.
  std::optional<Candidate> ReadAt(std::size_t pos, std::size_t* stopped_at) {
    std::size_t italian_stop = pos;
    std::optional<AmountRead> read =
        ReadIn(pos, Way::kItalian, kCurrencies, &italian_stop);
    if (stopped_at) *stopped_at = std::max(*stopped_at, italian_stop);
    // Only what read as far as a number can read the English way: a word
    // that is no designation cannot.
    if (!read && italian_stop > pos) {
      std::optional<AmountRead> english = ReadIn(pos, Way::kEnglish, kEuroOnly);
      if (english && english->currency && WayOf(*english) == Way::kEnglish) {
        return Candidate{*english, Way::kEnglish};
      }
    }
    if (!read) return std::nullopt;
    if (read->currency == 0 && WayOf(*read) == Way::kUnknown &&
        EuroWay(read->end) == Way::kEnglish) {
      const std::size_t italian_end = read->end;
      read = ReadIn(pos, Way::kEnglish, kEuroOnly);
      if (!read) {
        // Not an amount either way: the scan goes on past both readings.
        if (stopped_at) *stopped_at = std::max(*stopped_at, italian_end);
        return std::nullopt;
      }
      return Candidate{*read, Way::kEnglish};
    }
    return Candidate{*read, Way::kItalian};
  }

  // Reads what begins at `pos`, adds what is an amount to `found`, and
  // says where the scan goes on.
  std::size_t Try(std::size_t pos, std::vector<AmountInText>& found) {
    std::size_t stopped_at = pos;
    const std::optional<Candidate> candidate = ReadAt(pos, &stopped_at);
    // Nothing that begins inside what was read, or inside a word or a
    // number, is an amount: the scan goes on after them, so no byte is
    // read more than a few times.
    const std::size_t past =
        std::max({candidate ? candidate->read.end : stopped_at, NumberEnd(pos),
                  WordEnd(pos), pos + 1});
    if (!candidate) {
      NoteForeignLira(pos);
      return past;
    }
    const AmountRead& read = candidate->read;
    // "dollaro/euro 1,0578": a ratio's unit, not the number's currency;
    // "EUR ITL", a table's heads.
    if (read.designation_first &&
        ((pos > 0 && text_[pos - 1] == '/') || AfterADesignation(pos))) {
      return std::max(past, read.designation_end);
    }
    if (!read.currency) {
      if (const std::optional<std::size_t> range = TryRange(pos, read, found)) {
        return *range;
      }
      return past;
    }
    std::size_t go_on = past;
    if (!Accept(read, go_on) || RestatesAFigure(pos, read)) return go_on;
    found.push_back(Found(pos, read, candidate->way));
    // "L. 800.000/900.000", "euro 10/15": the same currency after the slash.
    if (read.designation_first && found.back().annotated_end == read.end) {
      TakeSecondEnd(found, candidate->way);
    }
    return ScanOnAfter(found.back());
  }

  // Where the scan goes on after an amount: past its equivalent, or past
  // what stays with it.
  static std::size_t ScanOnAfter(const AmountInText& amount) {
    return std::max(amount.annotated_end, amount.insert_at);
  }

  // Whether `read`, with a designation, is an amount; when
  // not, `go_on` is where the scan goes on.
  bool Accept(const AmountRead& read, std::size_t& go_on) {
    if (read.lone_article) return false;
    // "Fiat 1100 lire 21.740": the designation is the second number's,
    // unless that one has its own ("2.000 lire 1,03 euro", "20 lire 1
    // cent").
    if (const std::size_t next = SkipBlanks(text_, read.designation_end);
        !read.designation_first && IsDigitAt(text_, next) &&
        !HasItsOwnDesignation(next)) {
      go_on = read.designation_begin;
      return false;
    }
    const std::string_view designation = text_.substr(
        read.designation_begin, read.designation_end - read.designation_begin);
    if (CurrencyOf(*read.currency) == Field::Lire) {
      const std::size_t after = SkipBlanksAndABreak(text_, read.end);
      // Its equivalent in euros, if the text gives one, goes with it.
      if (const std::size_t foreign = AnyWordAt(text_, after, kForeignLire)) {
        signs_.foreign_lira = true;
        go_on = EquivalentEnd(Field::Lire, after + foreign);
        return false;
      }
      if (IsBareLira(designation) && signs_.foreign_lira &&
          !signs_.italian_lira && !WordAt(text_, after, "italiane") &&
          !Ahead(read.end).italian_lira) {
        return false;
      }
      const std::string_view digits =
          text_.substr(read.digits_begin, read.digits_end - read.digits_begin);
      // "£" is the pound's sign too: lire where thousands are grouped the
      // Italian way with no decimals ("£.135.591.388", "£ 8.000") or the
      // text marks lire as Italian; not "£ 6" or "£ 2,80" in London.
      if (designation.starts_with("\u00A3") &&
          (digits.find('.') == std::string_view::npos ||
           digits.find(',') != std::string_view::npos) &&
          !signs_.italian_lira && !Ahead(read.end).italian_lira) {
        return false;
      }
      // "L. 5,000": three decimals no lira ever had, an English thousand.
      if (digits.find('.') == std::string_view::npos && digits.size() > 4 &&
          digits[digits.size() - 4] == ',') {
        go_on = std::max(go_on, EquivalentEnd(Field::Lire, read.end));
        return false;
      }
    }
    if (read.designation_first && IsCitation(read, designation)) return false;
    return EndsAnAmount(read.end);
  }

  // Whether the amount `read` at `begin` restates a figure of another unit
  // just before it, as documents give foreign prices ("1 TL, ovvero circa 35
  // centesimi di euro"), or is the unit of a rate ("0,585 sterline per 1
  // euro").
  // Back from `pos` over blanks and line breaks.
  std::size_t SpaceBefore(std::size_t pos) const {
    while (pos > 0 && std::string_view(" \t\r\n").find(text_[pos - 1]) !=
                          std::string_view::npos) {
      --pos;
    }
    return pos;
  }

  bool RestatesAFigure(std::size_t begin, const AmountRead& read) const {
    const bool one =
        read.lone_article || (read.digits_end == read.digits_begin + 1 &&
                              text_[read.digits_begin] == '1');
    std::size_t at = begin;
    bool restating = false;
    // "1 GBP\n= 1,1489 EUR"
    const std::size_t equals = SpaceBefore(begin);
    if (equals > 0 && equals < begin && text_[equals - 1] == '=') {
      restating = true;
      at = SpaceBefore(equals - 1);
    }
    for (;;) {
      // Words stand apart: "ossia2.000" is no restating.
      const std::size_t word_end = at;
      while (at > 0 && (text_[at - 1] == ' ' || text_[at - 1] == '\t')) --at;
      if (at == word_end) break;
      const std::size_t word = WordBefore(at);
      const std::string_view said = text_.substr(word, at - word);
      const auto is = [&](std::string_view w) {
        return said.size() == w.size() && FoldedPrefixAt(said, 0, w) > 0;
      };
      if (word == at ||
          !(std::any_of(std::begin(kRestating), std::end(kRestating), is) ||
            is("a") || is("ad") || (one && !restating && is("per")))) {
        break;
      }
      restating = true;
      at = word;
    }
    if (!restating) return false;
    if (at > 0 && (text_[at - 1] == ',' || text_[at - 1] == '(')) --at;
    while (at > 0 && text_[at - 1] == ' ') --at;
    const std::size_t unit = WordBefore(at);
    if (unit == at) return false;
    at = unit;
    while (at > 0 && text_[at - 1] == ' ') --at;
    return at > 0 && IsDigit(text_[at - 1]);
  }

  // Whether a designation of either currency that follows no number ends,
  // blanks after it, just before `pos` on its line.
  bool AfterADesignation(std::size_t pos) const {
    std::size_t end = pos;
    while (end > 0 && (text_[end - 1] == ' ' || text_[end - 1] == '\t')) --end;
    const std::size_t word = WordBefore(end);
    if (end == pos || word == end) return false;
    std::size_t before = word;
    while (before > 0 &&
           (text_[before - 1] == ' ' || text_[before - 1] == '\t')) {
      --before;
    }
    if (before > 0 && IsDigit(text_[before - 1])) return false;
    const std::string_view said = text_.substr(word, end - word);
    for (const CurrencyWords& currency : kCurrencies) {
      for (std::string_view designation : currency.designations) {
        if (said.size() == designation.size() &&
            FoldedPrefixAt(said, 0, designation) == said.size()) {
          return true;
        }
      }
    }
    return false;
  }

  // Where the word that ends at `end` begins: ASCII letters and any bytes
  // beyond ASCII.
  std::size_t WordBefore(std::size_t end) const {
    while (end > 0) {
      const char c = text_[end - 1];
      if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
            static_cast<unsigned char>(c) >= 0x80)) {
        break;
      }
      --end;
    }
    return end;
  }

  bool HasItsOwnDesignation(std::size_t pos) const {
    for (Way way : {Way::kItalian, Way::kEnglish}) {
      const std::optional<AmountRead> read = ReadIn(pos, way, kCurrencies);
      if (read && read->currency && !read->designation_first) return true;
    }
    const std::size_t word = SkipBlanks(text_, NumberEnd(pos));
    return CentWordAt(text_, word) > 0 || WordAt(text_, word, "cent") > 0;
  }

  // A law's number, a size or a championship, though it reads as an
  // amount: "L. 241 del 1990", "D.L. 18", "art. 3, L. 196", "L 120 x P
  // 60", "Taglia L 42", "Euro 4", "Euro 2016".
  bool IsCitation(const AmountRead& read, std::string_view designation) const {
    const std::string_view digits =
        text_.substr(read.digits_begin, read.digits_end - read.digits_begin);
    const bool plain = !digits.empty() && digits.size() <= 4 &&
                       std::all_of(digits.begin(), digits.end(), IsDigit) &&
                       read.end == read.digits_end;
    const std::size_t after = SkipBlanks(text_, read.end);
    if (designation == "L" || designation == "L.") {
      const std::size_t begin = read.designation_begin;
      // "D.L.", "R.D.L.": an abbreviation's last letter.
      if (begin >= 2 && text_[begin - 1] == '.' && LetterAt(text_, begin - 2)) {
        return true;
      }
      if (PrecededByWord(begin, {"taglia", "tg.", "misura", "taglie"})) {
        return true;
      }
      if (after < text_.size() && (text_[after] == 'x' || text_[after] == 'X' ||
                                   PrefixAt(text_, after, "\u00D7"))) {
        return true;
      }
      if (plain &&
          (PrefixAt(text_, read.end, "/") || WordAt(text_, after, "del") ||
           WordAt(text_, after, "n.") || PrefixAt(text_, after, ", n.") ||
           IsYearAt(after) || CitedAfterArticle(begin))) {
        return true;
      }
    }
    if (plain && designation.size() == 4 && designation[0] == 'E' &&
        designation[1] != 'U') {
      const int number = std::stoi(std::string(digits));
      if (digits.size() == 1) return true;  // "Euro 4"
      if (digits.size() == 4 && number >= 1960 && number <= 2032 &&
          (number % 4 == 0 || number == 2021)) {
        return true;  // "Euro 2016"
      }
    }
    return false;
  }

  // What the text shows after `pos`, as far as it has arrived: whether it
  // marks an amount as Italian lire, and the way of its first amount that
  // shows one. Looked for once a scan, when first asked: by the time the
  // answer could change, the scan has passed what gave it and knows.
  const TextSigns& Ahead(std::size_t pos) {
    if (!ahead_) {
      TextSigns ahead;
      if (!looking_ahead_) {
        std::vector<AmountInText> found;
        Scan(text_, locale_, ahead, true).Run(pos, text_.size(), found);
      }
      ahead_ = ahead;
    }
    return *ahead_;
  }

  bool IsYearAt(std::size_t pos) const {
    std::size_t digits = 0;
    while (IsDigitAt(text_, pos + digits)) ++digits;
    if (digits != 4 || (text_[pos] != '1' && text_[pos] != '2')) return false;
    return !LetterAt(text_, pos + 4);
  }

  // Whether one of `words` ends, blanks after it, just before `pos`.
  bool PrecededByWord(std::size_t pos,
                      std::initializer_list<std::string_view> words) const {
    std::size_t end = pos;
    while (end > 0 && (text_[end - 1] == ' ' || text_[end - 1] == '\t')) --end;
    if (end == pos) return false;
    for (std::string_view word : words) {
      if (end >= word.size() &&
          FoldedPrefixAt(text_, end - word.size(), word) == word.size() &&
          !LetterBefore(text_, end - word.size())) {
        return true;
      }
    }
    return false;
  }

  // "art. 3, L. 196": a law cited after the article.
  bool CitedAfterArticle(std::size_t pos) const {
    std::size_t at = pos;
    while (at > 0 && text_[at - 1] == ' ') --at;
    if (at == 0 || text_[at - 1] != ',') return false;
    --at;
    std::size_t digits_end = at;
    while (at > 0 && (IsDigit(text_[at - 1]) || LetterAt(text_, at - 1))) --at;
    if (at == digits_end || !IsDigit(text_[at])) return false;
    return PrecededByWord(at, {"art.", "art", "articolo", "comma"});
  }

  // Whether what follows an amount read up to `end` lets it be one: not
  // run on into a word or a number ("L. 5x"), and not a law's number or a
  // date, which legal texts cite as "L. 241/1990" or "L. 12 agosto 2016".
  bool EndsAnAmount(std::size_t end) const {
    if (LetterAt(text_, end) || IsDigitAt(text_, end)) return false;
    // "12€.50": digits again after the designation, a number half read.
    if (end < text_.size() && (text_[end] == '.' || text_[end] == ',') &&
        IsDigitAt(text_, end + 1)) {
      return false;
    }
    const std::size_t word = SkipBlanks(text_, end);
    return word == end || (AnyWordAt(text_, word, kMonths) == 0 &&
                           AnyWordAt(text_, word, kShortMonths) == 0);
  }

  // The lira of another state named with no amount: "la lira turca".
  void NoteForeignLira(std::size_t pos) {
    if (WordAt(text_, pos, "lira") || WordAt(text_, pos, "lire")) {
      if (AnyWordAt(text_, SkipBlanks(text_, pos + 4), kForeignLire)) {
        signs_.foreign_lira = true;
      }
    }
  }

  // "700-800 euro", "1.000-2.000 lire", "da 500 a 600 mila lire": a bare
  // number, a dash (or "a" after "da") and an amount with its designation
  // after it. Where the scan goes on, or nothing when no range is there.
  std::optional<std::size_t> TryRange(std::size_t pos, const AmountRead& first,
                                      std::vector<AmountInText>& found) {
    std::size_t second = first.end;
    if (second < text_.size() && text_[second] == '-' &&
        IsDigitAt(text_, second + 1)) {
      ++second;
    } else if (const std::size_t a =
                   WordAt(text_, SkipBlanks(text_, second), "a");
               a && PrecededByWord(pos, {"da", "tra", "fra"})) {
      second = SkipBlanks(text_, SkipBlanks(text_, second) + a);
      if (!IsDigitAt(text_, second)) return std::nullopt;
    } else {
      return std::nullopt;
    }
    if (first.digits_end == 0 || first.end != first.digits_end) {
      return std::nullopt;
    }
    std::size_t stopped_at = second;
    std::optional<Candidate> end = ReadAt(second, &stopped_at);
    if (!end || !end->read.currency || end->read.designation_first) {
      return std::nullopt;
    }
    Way way = end->way;
    std::optional<AmountRead> low = ReadIn(pos, way, kCurrencies);
    if (!low || low->end != first.end) return std::nullopt;
    std::size_t go_on = end->read.end;
    if (!Accept(end->read, go_on)) return go_on;
    // "da 500 a 600 mila lire": the scale is both ends'.
    if (low->scale_power == 0) low->amount.exponent += end->read.scale_power;
    low->currency = end->read.currency;
    AmountInText start = Found(pos, *low, way);
    start.currency = CurrencyOf(*end->read.currency);
    start.range_joiner = '-';
    start.annotated_end = start.insert_at = start.end;
    AmountInText high = Found(second, end->read, way);
    if (high.annotated_end != high.end) {
      found.push_back(std::move(high));  // its ends restated: as before
      return ScanOnAfter(found.back());
    }
    found.push_back(std::move(start));
    found.push_back(std::move(high));
    return ScanOnAfter(found.back());
  }

  // After "L. 800.000" of "L. 800.000/900.000", the range's other end.
  void TakeSecondEnd(std::vector<AmountInText>& found, Way way) {
    AmountInText& first = found.back();
    const std::size_t slash = first.end;
    if (slash >= text_.size() || (text_[slash] != '/' && text_[slash] != '-') ||
        !IsDigitAt(text_, slash + 1)) {
      return;
    }
    const std::span<const CurrencyWords> none;
    std::optional<AmountRead> second = ReadIn(slash + 1, way, none);
    if (!second || second->currency || !EndsAnAmount(second->end)) return;
    AmountRead named = *second;
    named.currency = first.currency == Field::Euro ? 0 : 1;
    AmountInText high = Found(slash + 1, named, way);
    high.currency = first.currency;
    first.range_joiner = text_[slash];
    first.annotated_end = first.insert_at = first.end;
    found.push_back(std::move(high));
  }

  // Past the digits and separators between digits at `pos`, and a sign
  // before them.
  std::size_t NumberEnd(std::size_t pos) const {
    if (pos < text_.size() && (text_[pos] == '-' || text_[pos] == '+')) ++pos;
    while (pos < text_.size()) {
      if (IsDigit(text_[pos])) {
        ++pos;
        continue;
      }
      if ((text_[pos] == '.' || text_[pos] == ',') &&
          IsDigitAt(text_, pos + 1)) {
        ++pos;
        continue;
      }
      break;
    }
    return pos;
  }

  std::size_t WordEnd(std::size_t pos) const {
    while (std::size_t letter = LetterAt(text_, pos)) pos += letter;
    return pos;
  }

  AmountInText Found(std::size_t begin, const AmountRead& read, Way way) {
    AmountInText amount{.begin = begin,
                        .end = read.end,
                        .currency = CurrencyOf(*read.currency),
                        .amount = read.amount};
    // Where the digits show no way, the equivalent is written the text's.
    const std::string_view digits =
        text_.substr(read.digits_begin, read.digits_end - read.digits_begin);
    const bool separated = digits.find_first_of(".,") != std::string_view::npos;
    amount.english = amount.currency == Field::Euro &&
                     (separated ? way == Way::kEnglish
                                : EuroWay(read.end) == Way::kEnglish &&
                                      (signs_.way != Way::kUnknown ||
                                       Ahead(read.end).way != Way::kUnknown));
    amount.insert_at = InsertionAt(amount.end);
    const std::size_t annotated =
        EquivalentEnd(amount.currency, amount.insert_at);
    amount.annotated_end =
        annotated == amount.insert_at ? amount.end : annotated;
    if (amount.currency == Field::Lire) {
      const std::string_view designation =
          text_.substr(read.designation_begin,
                       read.designation_end - read.designation_begin);
      if (amount.annotated_end != amount.end ||
          (!designation.empty() && !IsBareLira(designation)) ||
          WordAt(text_, SkipBlanks(text_, amount.end), "italiane")) {
        signs_.italian_lira = true;
      }
    }
    // Lire are written the Italian way: a text that has them writes so.
    const Way said =
        amount.currency == Field::Euro ? WayOf(read) : Way::kItalian;
    // Looking ahead, the first way shown is the one wanted.
    if (said != Way::kUnknown &&
        !(looking_ahead_ && signs_.way != Way::kUnknown)) {
      signs_.way = said;
    }
    return amount;
  }

  // Past a typewriter's ending and a unit after a slash, which stay with
  // the amount: "1.000,-", "1.000.000.=", "10 euro/mese".
  std::size_t InsertionAt(std::size_t end) const {
    for (std::string_view ending : {",-", ".-", ",=", ".=", "=", "-"}) {
      if (PrefixAt(text_, end, ending) &&
          !IsDigitAt(text_, end + ending.size()) &&
          !LetterAt(text_, end + ending.size())) {
        end += ending.size();
        break;
      }
    }
    if (end < text_.size() && text_[end] == '/' && LetterAt(text_, end + 1)) {
      const std::size_t unit = WordEnd(end + 1);
      if (unit - end <= 8) end = unit;
    }
    // "1.936,27 lire italiane", "500 lire vaticane": the lira's state.
    if (const std::size_t state =
            AnyWordAt(text_, SkipBlanks(text_, end), kItalianLire)) {
      end = SkipBlanks(text_, end) + state;
    }
    return end;
  }

  // Past the equivalent that follows, from `from`, an amount of `currency`:
  // an amount of the other currency in parentheses or brackets, or after
  // Where a restating word proper ("pari", "ossia": not "circa") stands
  // after at most four words and commas from `pos`, on its line or the
  // next: "lire 5.000.000 annue, pari a € 2.582,28", "L. 12.000 IVA
  // inclusa, pari a euro 6,20". Else 0.
  std::size_t RestatingAfterWords(std::size_t pos) const {
    for (int words = 0; words < 4; ++words) {
      const std::size_t end = WordEnd(pos);
      if (end == pos) return 0;
      pos = SkipBlanksAndABreak(text_, end);
      if (pos < text_.size() && text_[pos] == ',') {
        pos = SkipBlanksAndABreak(text_, pos + 1);
      }
      if (AnyWordAt(text_, pos, kRestating) &&
          !AnyWordAt(text_, pos, kApproximating)) {
        return pos;
      }
    }
    return 0;
  }

  // "=" or one of `kRestating`, on its line or the next ("(€ 516,46)",
  // "[€ 516,46]", "(pari ad Euro 77,50)", "(€ 516,46 circa)", ", pari a €
  // 516,46", "1 EUR = 1936,27 ITL", "(8 centesimi)"); beside it with only
  // blanks between, as tables set them ("2.000 lire 1,03 euro", "20 lire 1
  // cent"); or one unit of it after "per", a rate ("1.936,27 lire per 1
  // euro"). Else `from`.
  std::size_t EquivalentEnd(Field currency, std::size_t from) const {
    std::size_t beside = SkipBlanks(text_, from);
    std::size_t at = SkipBlanksAndABreak(text_, from);
    char close = 0;
    bool restated = false;
    if (at < text_.size() && (text_[at] == '(' || text_[at] == '[')) {
      close = text_[at] == '(' ? ')' : ']';
      at = SkipBlanksAndABreak(text_, at + 1);
    } else if (at < text_.size() && (text_[at] == ',' || text_[at] == '=')) {
      restated = text_[at] == '=';
      at = SkipBlanksAndABreak(text_, at + 1);
    } else if (at == beside && at < text_.size() && text_[at] == '|') {
      beside = at = SkipBlanks(text_, at + 1);  // the next column
    } else if (const std::size_t restating = RestatingAfterWords(at)) {
      at = restating;
    }
    while (const std::size_t words = AnyWordAt(text_, at, kRestating)) {
      restated = true;
      at = SkipBlanksAndABreak(text_, at + words);
      if (const std::size_t to =
              std::max(WordAt(text_, at, "ad"), WordAt(text_, at, "a"))) {
        at = SkipBlanksAndABreak(text_, at + to);
      }
    }
    bool rate = false;
    if (close == 0 && !restated && at == beside) {
      if (const std::size_t per = WordAt(text_, at, "per")) {
        rate = true;
        at = SkipBlanks(text_, at + per);
      }
    }
    if (close == 0 && !restated && !rate && (at != beside || at == from)) {
      return from;
    }
    const std::array<CurrencyWords, 1> other = {
        currency == Field::Euro ? kLireTextWords : kEuroWords};
    std::size_t end = 0;
    for (Way way : {Way::kItalian, Way::kEnglish}) {
      const std::optional<AmountRead> read = ReadIn(at, way, other);
      if (!read || !read->currency) continue;
      const bool one =
          read->lone_article || (read->digits_end == read->digits_begin + 1 &&
                                 text_[read->digits_begin] == '1');
      if (rate ? !one : read->lone_article) break;
      end = read->end;
      // A range's equivalent: "(L. 1.355.389,00-1.549.016,00)".
      if (end < text_.size() && (text_[end] == '-' || text_[end] == '/') &&
          IsDigitAt(text_, end + 1)) {
        end = NumberEnd(end + 1);
      }
      break;
    }
    if (end == 0 && currency == Field::Lire && !rate && IsDigitAt(text_, at)) {
      // "150 lire (8 centesimi)", "20 lire 1 cent"
      const std::size_t digits = NumberEnd(at);
      const std::size_t word = SkipBlanks(text_, digits);
      if (word > digits) {
        const std::size_t cents =
            std::max(CentWordAt(text_, word), WordAt(text_, word, "cent"));
        if (cents > 0) end = word + cents;
      }
    }
    if (end == 0) return from;
    if (close == 0) return end;
    std::size_t after = SkipBlanks(text_, end);
    if (const std::size_t about = WordAt(text_, after, "circa")) {
      after = SkipBlanks(text_, after + about);
    }
    if (after >= text_.size() || text_[after] != close) return from;
    return after + 1;
  }

  std::string_view text_;
  const NumberConventions& locale_;
  TextSigns& signs_;
  bool looking_ahead_;
  std::optional<TextSigns> ahead_;
};

}  // namespace

const NumberConventions& WrittenWay(bool english) {
  static const NumberConventions kItalianWay{",", "."};
  static const NumberConventions kEnglishWay{".", ","};
  return english ? kEnglishWay : kItalianWay;
}

std::size_t ScanAmounts(std::string_view text, const NumberConventions& locale,
                        TextSigns& signs, std::size_t start, std::size_t stop,
                        std::vector<AmountInText>& found) {
  return Scan(text, locale, signs).Run(start, stop, found);
}

}  // namespace eurolire
