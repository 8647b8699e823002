// The command line, run in memory: arguments and standard input in, standard
// output, standard error and the exit status out.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kEnglish;
using testing::kItalian;

// Standard input from a string, handed out a few kilobytes at a time as a
// pipe would.
class StringInput : public ByteInput {
 public:
  explicit StringInput(std::string text = "") : text_(std::move(text)) {}

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    const std::size_t count =
        std::min({size, std::size_t{4096}, text_.size() - read_});
    std::memcpy(buffer, text_.data() + read_, count);
    read_ += count;
    return count;
  }

  bool eof() const { return read_ == text_.size(); }
  std::size_t unread() const { return text_.size() - read_; }

 private:
  std::string text_;
  std::size_t read_ = 0;
};

// Standard output or error into a string.
class StringOutput : public ByteOutput {
 public:
  bool Write(std::string_view bytes) override {
    text_ += bytes;
    return true;
  }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

// Files in memory by name; any other name cannot be opened.
class StringFiles : public ByteFiles {
 public:
  std::map<std::string, std::string, std::less<>> texts;

  std::unique_ptr<ByteInput> Open(std::string_view name) override {
    const auto file = texts.find(name);
    if (file == texts.end()) return nullptr;
    return std::make_unique<StringInput>(file->second);
  }
};

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunWith(const std::vector<std::string_view>& arguments,
                const std::string& input = "",
                const NumberConventions& conventions = kItalian,
                StringFiles files = {}) {
  StringInput in(input);
  StringOutput out;
  StringOutput err;
  const int status =
      RunCommandLine(arguments, conventions, in, out, err, files);
  return {status, out.str(), err.str()};
}

struct ConvertCase {
  const char* name;
  std::vector<std::string_view> arguments;
  std::string input;
  bool italian;
  int status;
  std::string out;
  // Each must appear in standard error; none means it stays empty.
  std::vector<std::string> err;
};

// By name: the bytes of the struct would include its padding.
void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }

class CommandLineConvertTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(CommandLineConvertTest, PrintsOneLinePerAmount) {
  const ConvertCase& c = GetParam();
  const Outcome run =
      RunWith(c.arguments, c.input, c.italian ? kItalian : kEnglish);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  if (c.err.empty()) {
    EXPECT_EQ(run.err, "");
  }
  for (const std::string& words : c.err) {
    EXPECT_NE(run.err.find(words), std::string::npos)
        << "missing: " << words << "\nin: " << run.err;
  }
}

const std::string kHugeEuro = "1" + std::string(305, '0');

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandLineConvertTest,
    ::testing::Values(
        ConvertCase{"EuroIt", {"--euro", "12"}, "", true, 0, "23.235,24\n", {}},
        ConvertCase{
            "EuroEn", {"--euro", "12"}, "", false, 0, "23,235.24\n", {}},
        ConvertCase{"Attached", {"--euro=12"}, "", true, 0, "23.235,24\n", {}},
        ConvertCase{"GroupedLire",
                    {"--lire", "1.000.000"},
                    "",
                    true,
                    0,
                    "516,46\n",
                    {}},
        // Each amount may carry its own currency's sign, never the other's.
        ConvertCase{
            "LireSigns",
            {"--lire", "L. 1.000.000", "Lit. 1.936.270", "\u00A3 1.000"},
            "",
            true,
            0,
            "516,46\n1.000,00\n0,52\n",
            {}},
        // And as documents write them in words.
        ConvertCase{"Words",
                    {"--lire", "lire cinquecentomila"},
                    "",
                    true,
                    0,
                    "258,23\n",
                    {}},
        ConvertCase{"EuroSigns",
                    {"--euro", "\u20AC 12,50", "12,50 \u20AC", "EUR 12"},
                    "",
                    true,
                    0,
                    "24.203,38\n24.203,38\n23.235,24\n",
                    {}},
        ConvertCase{"EuroSignEn",
                    {"--euro", "\u20AC12.50"},
                    "",
                    false,
                    0,
                    "24,203.38\n",
                    {}},
        ConvertCase{"SignsInTheFilter",
                    {"--lire"},
                    "L. 1.000\n\u20AC 12\n",
                    true,
                    1,
                    "0,52\n\n",
                    {"riga 2: \"\u20AC 12\" non \u00E8 un numero"}},
        ConvertCase{"Several",
                    {"--euro", "1", "2"},
                    "",
                    true,
                    0,
                    "1.936,27\n3.872,54\n",
                    {}},
        ConvertCase{
            "AmountFirst", {"1", "--euro"}, "", true, 0, "1.936,27\n", {}},
        ConvertCase{
            "Negative", {"--euro", "-1"}, "", true, 0, "-1.936,27\n", {}},
        ConvertCase{"NegativeExact",
                    {"--euro", "-51.645.689,98", "99999999999999,99"},
                    "",
                    true,
                    0,
                    "-100.000.000.137,57\n193.626.999.999.999.980,64\n",
                    {}},
        ConvertCase{"AfterDoubleDash",
                    {"--euro", "--", "-5"},
                    "",
                    true,
                    0,
                    "-9.681,35\n",
                    {}},
        ConvertCase{"NotANumber",
                    {"--euro", "12a", "2"},
                    "",
                    true,
                    1,
                    "\n3.872,54\n",
                    {"eurolire: \"12a\" non è un numero"}},
        ConvertCase{"Overflow",
                    {"--euro", kHugeEuro},
                    "",
                    true,
                    1,
                    "\n",
                    {"supera il numero più grande"}},
        ConvertCase{"Filter",
                    {"--lire"},
                    "1000\n1.936,27\n",
                    true,
                    0,
                    "0,52\n1,00\n",
                    {}},
        ConvertCase{"FilterKeepsColumnsAligned",
                    {"--lire"},
                    "1000\n12a\n\n1.936,27\n",
                    true,
                    1,
                    "0,52\n\n\n1,00\n",
                    {"riga 2: \"12a\" non è un numero",
                     "riga 3: \"\" non è un numero"}},
        ConvertCase{"FilterOverflowNamesItsLine",
                    {"--euro"},
                    "1\n" + kHugeEuro + "\n2\n",
                    true,
                    1,
                    "1.936,27\n\n3.872,54\n",
                    {"riga 2: \"100000"}},
        ConvertCase{"WindowsLineEnds",
                    {"--euro"},
                    "1\r\n2\r\n",
                    true,
                    0,
                    "1.936,27\n3.872,54\n",
                    {}},
        ConvertCase{
            "NoFinalNewline", {"--euro"}, "12", true, 0, "23.235,24\n", {}},
        // Marks the encoding, not the first amount.
        ConvertCase{"ByteOrderMark",
                    {"--lire"},
                    "\xEF\xBB\xBF"
                    "1000\n",
                    true,
                    0,
                    "0,52\n",
                    {}},
        ConvertCase{"EmptyInput", {"--lire"}, "", true, 0, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
  const char* name;
  std::vector<std::string_view> arguments;
  std::string complaint;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class CommandLineUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CommandLineUsageTest, ComplainsAndConvertsNothing) {
  const Outcome run = RunWith(GetParam().arguments, "12\n");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(GetParam().complaint), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, CommandLineUsageTest,
    ::testing::Values(
        UsageCase{"NoDirection", {"12"}, "manca --euro o --lire"},
        UsageCase{"BothDirections", {"--euro", "1", "--lire"}, "non entrambe"},
        UsageCase{"UnknownOption",
                  {"--euro", "--rate=2000"},
                  "opzione sconosciuta: --rate=2000"},
        UsageCase{
            "UnknownShortOption", {"-x", "--lire"}, "opzione sconosciuta: -x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, HelpAnswersOnStandardOutputWhateverElseIsAsked) {
  for (const std::vector<std::string_view>& arguments :
       std::vector<std::vector<std::string_view>>{
           {"--help"}, {"-h"}, {"--euro", "12", "--help"}, {"--bogus", "-h"}}) {
    const Outcome run = RunWith(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Uso: eurolire")) << run.out;
    EXPECT_EQ(run.err, "");
  }
  // The rate and the example are written as the locale writes amounts.
  EXPECT_NE(RunWith({"--help"}).out.find("1.936,27"), std::string::npos);
  EXPECT_NE(RunWith({"--help"}, "", kEnglish).out.find("23,235.24"),
            std::string::npos);
}

// The options that each of `heads` names ("--euro", "-h", "--"), once a
// head, sorted.
std::vector<std::string> OptionsNamed(const std::vector<std::string>& heads) {
  static const std::regex kOption(R"((?:^|[\s"])(--?[a-z]*)(?=$|[\s"=,]))");
  std::vector<std::string> named;
  for (std::string head : heads) {
    head = std::regex_replace(head, std::regex(R"(\\-)"), "-");
    std::set<std::string> in_head;
    for (std::sregex_iterator i(head.begin(), head.end(), kOption), end;
         i != end; ++i) {
      in_head.insert((*i)[1]);
    }
    named.insert(named.end(), in_head.begin(), in_head.end());
  }
  std::sort(named.begin(), named.end());
  return named;
}

TEST(CommandLineTest, TheHelpAndTheManualListEachOptionOfTheTableOnce) {
  // The help's option lines, by the spellings that begin them; the manual's
  // entries (".TP"), by the line that names them.
  std::vector<std::string> help_heads;
  std::istringstream help(RunWith({"--help"}).out);
  for (std::string line; std::getline(help, line);) {
    if (line.starts_with("  -")) help_heads.push_back(line.substr(0, 21));
  }
  std::vector<std::string> manual_heads;
  std::istringstream manual(
#include "manual_page.inc"
  );
  bool in_options = false;
  for (std::string line; std::getline(manual, line);) {
    if (line.starts_with(".SH")) in_options = line == ".SH OPTIONS";
    if (in_options && line == ".TP" && std::getline(manual, line)) {
      manual_heads.push_back(line);
    }
  }
  std::vector<std::string> spellings;
  for (const OptionEntry& entry : OwnOptions()) {
    for (std::string_view spelling : SpellingsOf(entry)) {
      spellings.emplace_back(spelling);
    }
  }
  std::sort(spellings.begin(), spellings.end());
  EXPECT_EQ(OptionsNamed(help_heads), spellings);
  EXPECT_EQ(OptionsNamed(manual_heads), spellings);
}

TEST(CommandLineTest, VersionIsOneLineOnStandardOutput) {
  const Outcome run = RunWith({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(
      std::regex_match(run.out, std::regex("eurolire \\d+\\.\\d+\\.\\d+\n")))
      << run.out;
}

TEST(CommandLineTest, MessagesQuoteAShortTextWithoutControlCharacters) {
  // An escape sequence would recolour or clear the user's terminal.
  const Outcome escape = RunWith({"--euro"},
                                 "\x1b[2J\t\xC2\x9B"
                                 "1\n");
  EXPECT_EQ(escape.err.find('\x1b'), std::string::npos) << escape.err;
  EXPECT_EQ(escape.err.find('\t'), std::string::npos) << escape.err;
  EXPECT_EQ(escape.err.find("\xC2\x9B"), std::string::npos) << escape.err;
  EXPECT_NE(escape.err.find("\"\\x1b[2J\\x09\\xc2\\x9b1\""), std::string::npos)
      << escape.err;

  // A megabyte-long line is named by its first characters, not copied.
  const Outcome long_line =
      RunWith({"--euro"}, std::string(1 << 20, 'a') + "\n");
  EXPECT_LT(long_line.err.size(), 120u) << long_line.err;
  EXPECT_NE(long_line.err.find('"' + std::string(40, 'a') + "...\""),
            std::string::npos)
      << long_line.err;
  // Bytes that are no UTF-8 are escaped one by one, forty at the most.
  const Outcome invalid =
      RunWith({"--euro"}, std::string(1 << 20, '\x80') + "\n");
  EXPECT_LT(invalid.err.size(), 250u);
  EXPECT_EQ(invalid.err.find('\x80'), std::string::npos);
  std::string escaped;
  for (int i = 0; i < 40; ++i) escaped += "\\x80";
  EXPECT_NE(invalid.err.find('"' + escaped + "...\""), std::string::npos)
      << invalid.err;
  const Outcome lone_csi = RunWith({"--euro"},
                                   "1\x9B"
                                   "2\n");
  EXPECT_NE(lone_csi.err.find("\"1\\x9b2\""), std::string::npos)
      << lone_csi.err;

  // Forty characters of two bytes each are cut between characters.
  std::string e_acute;
  for (int i = 0; i < 45; ++i) e_acute += "\xC3\xA8";
  const Outcome two_byte = RunWith({"--euro"}, e_acute + "\n");
  EXPECT_NE(two_byte.err.find('"' + e_acute.substr(0, 80) + "...\""),
            std::string::npos)
      << two_byte.err;
}

// An output that takes nothing, as a full disk or a closed pipe.
class FailingOutput : public ByteOutput {
 public:
  bool Write(std::string_view) override { return false; }
};

TEST(CommandLineTest, AFailedWriteIsReportedNotCalledSuccess) {
  FailingOutput out;
  StringInput in("12\n");
  StringOutput err;
  StringFiles files;
  EXPECT_EQ(RunCommandLine({"--euro"}, kItalian, in, out, err, files),
            kExitNotConverted);
  EXPECT_NE(err.str().find("scrivere"), std::string::npos) << err.str();
}

// An input whose reading fails, at once as a directory given as input does,
// or after some lines as a disk can mid-file.
class UnreadableInput : public StringInput {
 public:
  using StringInput::StringInput;
  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    if (eof()) return std::nullopt;
    return StringInput::Read(buffer, size);
  }
};

TEST(CommandLineTest, AFailedReadIsReportedNotTakenForTheEnd) {
  // What converted before the failure is still written.
  for (const auto& [input, converted] :
       {std::pair{"", ""}, std::pair{"1000\n", "0,52\n"}}) {
    UnreadableInput in(input);
    StringOutput out;
    StringOutput err;
    StringFiles files;
    EXPECT_EQ(RunCommandLine({"--lire"}, kItalian, in, out, err, files),
              kExitNotConverted);
    EXPECT_EQ(out.str(), converted);
    EXPECT_NE(err.str().find("leggere"), std::string::npos) << err.str();
  }
}

TEST(CommandLineTest, AFailedWriteOfHelpIsReportedToo) {
  FailingOutput out;
  StringInput in;
  StringOutput err;
  StringFiles files;
  EXPECT_EQ(RunCommandLine({"--help"}, kItalian, in, out, err, files),
            kExitNotConverted);
  EXPECT_NE(err.str().find("scrivere"), std::string::npos) << err.str();
}

TEST(CommandLineTest, AFailedWriteStopsReading) {
  FailingOutput out;
  std::string lines;
  for (int i = 0; i < 100'000; ++i) lines += "12\n";
  StringInput in(lines);
  StringOutput err;
  StringFiles files;
  EXPECT_EQ(RunCommandLine({"--euro"}, kItalian, in, out, err, files),
            kExitNotConverted);
  // Stopped at the first failed line, not read to the end.
  EXPECT_FALSE(in.eof());
  EXPECT_GT(in.unread(), 0);
}

TEST(CommandLineTest, TextsGetTheirEquivalentsAndAnUnreadableFileIsNamed) {
  StringFiles files;
  // Every byte of the text is kept, a byte-order mark too.
  files.texts["contratto.txt"] =
      "\xEF\xBB\xBF"
      "canone di lire 850.000 mensili\r\n";
  const Outcome run = RunWith({"--testo", "contratto.txt", "mancante.txt", "-"},
                              "Prezzo: euro 12,50.", kItalian, files);
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out,
            "\xEF\xBB\xBF"
            "canone di lire 850.000 (\u20AC 438,99) mensili\r\n"
            "Prezzo: euro 12,50 (L. 24.203,38).");
  EXPECT_NE(run.err.find("\"mancante.txt\""), std::string::npos) << run.err;
}

}  // namespace
}  // namespace eurolire
