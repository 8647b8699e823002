// The page generator: a build-time program that fills a template's @NAME@
// placeholders with the stored design and the product's words in the page's
// terms (web/design.h), so that no number or text of the design is written
// twice.
//   page_generator TEMPLATE OUTPUT [NAME=FILE]...
// A design value replaces @NAME@ as it is; FILE's contents replace @NAME@
// for each NAME=FILE, or its base64 when NAME ends in _BASE64. It fails on a
// placeholder it cannot fill, and on a file that would end the page's
// <script> early. Design values are checked to hold no character that HTML,
// CSS, JSON or a script string would read specially, so they go anywhere
// unescaped.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "web/design.h"

namespace {

bool IsPlain(std::string_view value) {
  for (const unsigned char c : value) {
    if (c < 0x20 || c == 0x7f ||
        std::string_view("<>&\"'\\`").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    unsigned group = 0;
    for (std::size_t j = 0; j < 3; ++j) {
      group =
          group << 8 | (j < n ? static_cast<unsigned char>(bytes[i + j]) : 0);
    }
    for (std::size_t j = 0; j < 4; ++j) {
      text += j <= n ? kDigits[group >> (18 - 6 * j) & 63] : '=';
    }
  }
  return text;
}

bool EndsScript(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(c));
  return lower.find("</script") != std::string::npos ||
         lower.find("<!--") != std::string::npos;
}

// A placeholder is @NAME@ with NAME of capitals, digits and underscores;
// any other @ (a CSS @media) is text.
std::string Fill(std::string_view page,
                 const std::map<std::string, std::string>& values) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t open = page.find('@'); open != std::string_view::npos;
       open = page.find('@', open + 1)) {
    const std::size_t close = page.find_first_not_of(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_", open + 1);
    if (close == std::string_view::npos || close == open + 1 ||
        page[close] != '@') {
      continue;
    }
    const std::string name(page.substr(open + 1, close - open - 1));
    const auto value = values.find(name);
    if (value == values.end()) {
      throw std::runtime_error("nothing to fill @" + name + "@ with");
    }
    out.append(page.substr(at, open - at)).append(value->second);
    at = close + 1;
    open = close;  // on after the closing @
  }
  return out.append(page.substr(at));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::cerr << "usage: page_generator TEMPLATE OUTPUT [NAME=FILE]...\n";
    return 2;
  }
  try {
    std::map<std::string, std::string> values = eurolire::DesignValues();
    for (const auto& [name, value] : values) {
      if (!IsPlain(value)) throw std::runtime_error(name + " is not plain");
    }
    for (int i = 3; i < argc; ++i) {
      const std::string_view argument = argv[i];
      const std::size_t equals = argument.find('=');
      if (equals == std::string_view::npos) {
        throw std::runtime_error("not NAME=FILE: " + std::string(argument));
      }
      const std::string name(argument.substr(0, equals));
      std::string contents = ReadFile(std::string(argument.substr(equals + 1)));
      if (name.ends_with("_BASE64")) {
        contents = Base64(contents);
      } else if (EndsScript(contents)) {
        throw std::runtime_error(name + " would end the page's script");
      }
      values[name] = std::move(contents);
    }
    const std::string page = Fill(ReadFile(argv[1]), values);
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "page_generator: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
