// The cases every window must pass over its view (window_cases.txt, which
// says what they are and how they are written), read from the text compiled
// into the test and run against one front end's window through a
// `WindowDriver`.
#ifndef EUROLIRE_TESTS_FORM_WINDOW_CASES_H_
#define EUROLIRE_TESTS_FORM_WINDOW_CASES_H_

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "converter/conversion.h"

namespace eurolire::testing {

// One front end's window, new and shown with the focus in Euro, driven as
// the user and the program drive it.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;
  // The steps, each as the case's line names it.
  virtual void Type(const std::string& keys) = 0;
  virtual void Backspace() = 0;
  virtual void SelectAll() = 0;
  virtual void Cut() = 0;
  virtual void Paste(const std::string& text) = 0;
  virtual void Tab() = 0;
  virtual void Set(Field field, const std::string& text) = 0;
  virtual void CloseReport() = 0;
  // Runs the event loop until nothing is left in it.
  virtual void Pump() = 0;
  virtual std::string Text(Field field) = 0;
  // The names of the handlers run since the last call.
  virtual std::vector<std::string> TakeLog() = 0;
  // The error reports shown since the window was.
  virtual int Reports() = 0;
};

namespace window_cases {

struct Step {
  int line = 0;
  std::string action;
  std::string field;  // "Euro" or "Lire", for "set"
  std::string text;
  std::optional<std::string> euro;
  std::optional<std::string> lire;
  std::optional<std::vector<std::string>> ran;
  std::optional<int> reports;
};

struct Case {
  std::string name;
  std::vector<Step> steps;
};

inline void SkipBlanks(std::string_view& rest) {
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
}

// What comes before the first of `ends`, taken off `rest`.
inline std::string_view Until(std::string_view& rest, std::string_view ends) {
  const std::string_view taken = rest.substr(0, rest.find_first_of(ends));
  rest.remove_prefix(taken.size());
  return taken;
}

// Pieces in double quotes side by side, each maybe followed by "*N".
inline std::string Text(std::string_view& rest) {
  std::string text;
  for (SkipBlanks(rest); rest.starts_with('"'); SkipBlanks(rest)) {
    rest.remove_prefix(1);
    const std::string_view piece = Until(rest, "\"");
    if (rest.empty()) throw std::invalid_argument("no closing quote");
    rest.remove_prefix(1);
    int times = 1;
    if (rest.starts_with('*')) {
      const char* end =
          std::from_chars(rest.data() + 1, rest.data() + rest.size(), times)
              .ptr;
      rest.remove_prefix(end - rest.data());
    }
    for (; times > 0; --times) text += piece;
  }
  return text;
}

inline std::vector<Case> Parse(std::string_view cases) {
  std::vector<Case> parsed;
  std::istringstream lines{std::string(cases)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (line.empty() || line.starts_with('#')) continue;
    if (line.starts_with("case: ")) {
      parsed.push_back({line.substr(6), {}});
      continue;
    }
    std::string_view rest = line;
    Step step{number, std::string(Until(rest, " ")), {}, {}, {}, {}, {}, {}};
    SkipBlanks(rest);
    if (step.action == "set") step.field = Until(rest, " ");
    step.text = Text(rest);
    const std::size_t arrow = rest.find("=>");
    rest.remove_prefix(arrow == std::string_view::npos ? rest.size()
                                                       : arrow + 2);
    for (SkipBlanks(rest); !rest.empty(); SkipBlanks(rest)) {
      const std::string_view name = Until(rest, "=");
      rest.remove_prefix(std::min<std::size_t>(1, rest.size()));
      if (name == "Euro" || name == "Lire") {
        (name == "Euro" ? step.euro : step.lire) = Text(rest);
      } else if (const std::string_view value = Until(rest, " ");
                 name == "reports") {
        std::from_chars(value.data(), value.data() + value.size(),
                        step.reports.emplace());
      } else if (name == "ran") {
        std::istringstream names{std::string(value)};
        step.ran.emplace();
        for (std::string handler; std::getline(names, handler, ',');) {
          step.ran->push_back(handler);
        }
      } else {
        throw std::invalid_argument("line " + std::to_string(number));
      }
    }
    parsed.back().steps.push_back(std::move(step));
  }
  return parsed;
}

inline std::string Joined(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    joined += (joined.empty() ? "" : ",") + name;
  }
  return joined;
}

}  // namespace window_cases

// Runs every case of `cases` (window_cases.txt's text) on a new window from
// `make_window`; returns the failures, one a line naming the case's line.
inline std::vector<std::string> RunWindowCases(
    std::string_view cases,
    const std::function<std::unique_ptr<WindowDriver>()>& make_window) {
  using window_cases::Joined;
  std::vector<std::string> failures;
  for (const window_cases::Case& c : window_cases::Parse(cases)) {
    const std::unique_ptr<WindowDriver> window = make_window();
    window->TakeLog();
    for (const window_cases::Step& step : c.steps) {
      const auto fail = [&](const std::string& what) {
        failures.push_back("line " + std::to_string(step.line) + " (" + c.name +
                           "): " + what);
      };
      const int reports_before = window->Reports();
      if (step.action == "type") {
        window->Type(step.text);
      } else if (step.action == "backspace") {
        window->Backspace();
      } else if (step.action == "select-all") {
        window->SelectAll();
      } else if (step.action == "cut") {
        window->Cut();
      } else if (step.action == "paste") {
        window->Paste(step.text);
      } else if (step.action == "tab") {
        window->Tab();
      } else if (step.action == "set") {
        window->Set(step.field == "Euro" ? Field::Euro : Field::Lire,
                    step.text);
      } else if (step.action == "close") {
        window->CloseReport();
      } else {
        fail("no step " + step.action);
      }
      std::vector<std::string> ran = window->TakeLog();
      if (window->Reports() != reports_before) {
        fail("a report was shown inside the handlers");
      }
      const std::size_t ran_inside = ran.size();
      window->Pump();
      for (std::string& name : window->TakeLog()) ran.push_back(name);
      if (step.ran && ran != *step.ran) {
        fail("ran " + Joined(ran) + ", not " + Joined(*step.ran));
      }
      if (step.action == "set" && ran.size() != ran_inside) {
        fail("a change ran after SetText returned");
      }
      for (const auto& [field, expected] :
           {std::pair{Field::Euro, step.euro},
            std::pair{Field::Lire, step.lire}}) {
        if (expected && window->Text(field) != *expected) {
          fail((field == Field::Euro ? "Euro " : "Lire ") +
               window->Text(field).substr(0, 40) + ", not " +
               expected->substr(0, 40));
        }
      }
      if (step.reports && window->Reports() != *step.reports) {
        fail(std::to_string(window->Reports()) + " reports, not " +
             std::to_string(*step.reports));
      }
    }
  }
  return failures;
}

}  // namespace eurolire::testing

#endif  // EUROLIRE_TESTS_FORM_WINDOW_CASES_H_
