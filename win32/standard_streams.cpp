#include "win32/standard_streams.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ios>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "cli/command_line.h"
#include "win32/locale_conventions.h"
#include "win32/wide_text.h"

namespace eurolire {
namespace {

// Large enough that a million lines take a few dozen writes.
constexpr std::size_t kBufferSize = 64 * 1024;
// Kept well below what old consoles take in one call.
constexpr DWORD kConsoleUnits = 8 * 1024;

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

bool IsUsable(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  // A handle of no known type is still usable; a closed one is not.
  SetLastError(NO_ERROR);
  return GetFileType(handle) != FILE_TYPE_UNKNOWN || GetLastError() == NO_ERROR;
}

// How many bytes at the end of `text` begin a UTF-8 sequence that is not
// complete yet.
std::size_t IncompleteTail(std::string_view text) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, text.size());
       ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    return byte >= 0xC0 && length > back ? back : 0;
  }
  return 0;
}

// Standard output or error.
class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(HANDLE handle)
      : handle_(handle), console_(IsConsole(handle)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~OutputBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (!WriteBuffer(false)) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override { return WriteBuffer(true) ? 0 : -1; }

 private:
  // Writes what the buffer holds. A character cut by the end of a full
  // buffer waits there for its other bytes, or the console would show it as
  // two wrong ones.
  bool WriteBuffer(bool all) {
    std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t kept = all || !console_ ? 0 : IncompleteTail(text);
    text.remove_suffix(kept);
    failed_ = failed_ || !Write(text);
    std::memmove(buffer_.data(), text.data() + text.size(), kept);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(kept));
    return !failed_;
  }

  bool Write(std::string_view text) const {
    std::string lines;
    lines.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
      if (c == '\n') lines.push_back('\r');
      lines.push_back(c);
    }
    if (console_) {
      const std::wstring wide = Utf16(lines);
      for (std::size_t done = 0; done < wide.size();) {
        DWORD units = static_cast<DWORD>(
            std::min<std::size_t>(kConsoleUnits, wide.size() - done));
        // A surrogate pair goes in one piece.
        if (units > 1 && IS_HIGH_SURROGATE(wide[done + units - 1])) --units;
        DWORD written = 0;
        if (!WriteConsoleW(handle_, wide.data() + done, units, &written,
                           nullptr) ||
            written == 0) {
          return false;
        }
        done += written;
      }
      return true;
    }
    for (std::size_t done = 0; done < lines.size();) {
      DWORD written = 0;
      const auto size = static_cast<DWORD>(
          std::min<std::size_t>(kBufferSize * 2, lines.size() - done));
      if (!WriteFile(handle_, lines.data() + done, size, &written, nullptr) ||
          written == 0) {
        return false;
      }
      done += written;
    }
    return true;
  }

  HANDLE handle_;
  bool console_;
  bool failed_ = false;
  std::array<char, kBufferSize> buffer_;
};

// Standard input. A read error is thrown, which the stream takes as its
// bad state; the end of a pipe or a file is the end of the input.
class InputBuffer : public std::streambuf {
 public:
  explicit InputBuffer(HANDLE handle)
      : handle_(handle), console_(IsConsole(handle)) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (console_) {
      ReadFromConsole();
    } else {
      ReadFromFile();
    }
    setg(text_.data(), text_.data(), text_.data() + text_.size());
    return text_.empty() ? traits_type::eof()
                         : traits_type::to_int_type(*gptr());
  }

 private:
  void ReadFromFile() {
    text_.resize(kBufferSize);
    DWORD read = 0;
    if (!ReadFile(handle_, text_.data(), static_cast<DWORD>(kBufferSize), &read,
                  nullptr)) {
      // The writer closed its end of the pipe.
      if (GetLastError() != ERROR_BROKEN_PIPE) {
        throw std::ios_base::failure("standard input");
      }
      read = 0;
    }
    text_.resize(read);
  }

  void ReadFromConsole() {
    text_.clear();
    while (text_.empty() && !ended_) {
      std::wstring wide(kConsoleUnits, L'\0');
      DWORD read = 0;
      if (!ReadConsoleW(handle_, wide.data(), kConsoleUnits, &read, nullptr)) {
        throw std::ios_base::failure("standard input");
      }
      wide.resize(read);
      ended_ = read == 0;
      if (const std::size_t z = wide.find(L'\x1A'); z != std::wstring::npos) {
        wide.resize(z);
        ended_ = true;
      }
      wide.insert(0, pending_);
      pending_.clear();
      if (!ended_ && !wide.empty() && IS_HIGH_SURROGATE(wide.back())) {
        pending_.push_back(wide.back());
        wide.pop_back();
      }
      text_ = Utf8(wide);
    }
  }

  HANDLE handle_;
  bool console_;
  bool ended_ = false;
  // Half of a surrogate pair, whose other half the next read brings.
  std::wstring pending_;
  std::string text_;
};

HANDLE OpenConsole(const wchar_t* name) {
  return CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     0, nullptr);
}

}  // namespace

StandardHandles ConsoleProgramHandles() {
  return {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
          GetStdHandle(STD_ERROR_HANDLE)};
}

StandardHandles WindowProgramHandles() {
  StandardHandles handles = ConsoleProgramHandles();
  // A console handle it inherited works only once the program is attached
  // to that console; one it did not inherit is opened there. The console's
  // handles stay open until the program ends.
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return handles;
  if (!IsUsable(handles.in)) handles.in = OpenConsole(L"CONIN$");
  if (!IsUsable(handles.out)) handles.out = OpenConsole(L"CONOUT$");
  if (!IsUsable(handles.err)) handles.err = OpenConsole(L"CONOUT$");
  return handles;
}

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  return arguments;
}

int RunCommandLineOn(const std::vector<std::string>& arguments,
                     const StandardHandles& handles) {
  InputBuffer in_buffer(handles.in);
  OutputBuffer out_buffer(handles.out);
  OutputBuffer err_buffer(handles.err);
  std::istream in(&in_buffer);
  std::ostream out(&out_buffer);
  std::ostream err(&err_buffer);
  // A console shows each message as it comes; into a file or a pipe they
  // are written in blocks.
  if (IsConsole(handles.err)) err.setf(std::ios_base::unitbuf);
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return RunCommandLine(views, LocaleConventions(), in, out, err);
}

}  // namespace eurolire
