#include "win32/standard_streams.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/byte_streams.h"
#include "cli/command_line.h"
#include "win32/locale_conventions.h"
#include "win32/wide_text.h"

namespace eurolire {
namespace {

// The most one ReadFile call takes, and half of what one WriteFile does.
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

// Standard output or error: "\n" written as "\r\n", and to a console in
// UTF-16. Each write holds whole characters (cli/byte_streams.h), so none
// is cut in two.
class HandleOutput : public ByteOutput {
 public:
  explicit HandleOutput(HANDLE handle)
      : handle_(handle), console_(IsConsole(handle)) {}

  bool Write(std::string_view text) override {
    std::string lines;
    lines.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
      if (c == '\n') lines.push_back('\r');
      lines.push_back(c);
    }
    return console_ ? WriteToConsole(Utf16(lines)) : WriteToFile(lines);
  }

  bool WriteVerbatim(std::string_view bytes) override {
    return console_ ? WriteToConsole(Utf16(bytes)) : WriteToFile(bytes);
  }

  bool IsInteractive() const override { return console_; }

 private:
  bool WriteToConsole(const std::wstring& wide) const {
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

  bool WriteToFile(std::string_view lines) const {
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
};

// Standard input; the end of a pipe or a file is the end of the input.
class HandleInput : public ByteInput {
 public:
  explicit HandleInput(HANDLE handle)
      : handle_(handle), console_(IsConsole(handle)) {}

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    if (!console_) return ReadFromFile(buffer, size);
    if (unread_ == text_.size() && !ReadFromConsole()) return std::nullopt;
    const std::size_t count = std::min(size, text_.size() - unread_);
    std::memcpy(buffer, text_.data() + unread_, count);
    unread_ += count;
    return count;
  }

 private:
  std::optional<std::size_t> ReadFromFile(char* buffer, std::size_t size) {
    DWORD read = 0;
    const auto most = static_cast<DWORD>(std::min(size, kBufferSize));
    if (!ReadFile(handle_, buffer, most, &read, nullptr)) {
      // The writer closed its end of the pipe.
      if (GetLastError() != ERROR_BROKEN_PIPE) return std::nullopt;
      read = 0;
    }
    return read;
  }

  // Reads the console's next line(s) into `text_`, which stays empty once
  // the input has ended.
  bool ReadFromConsole() {
    text_.clear();
    unread_ = 0;
    while (text_.empty() && !ended_) {
      std::wstring wide(kConsoleUnits, L'\0');
      DWORD read = 0;
      if (!ReadConsoleW(handle_, wide.data(), kConsoleUnits, &read, nullptr)) {
        return false;
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
    return true;
  }

  HANDLE handle_;
  bool console_;
  bool ended_ = false;
  // Half of a surrogate pair, whose other half the next read brings.
  std::wstring pending_;
  std::string text_;        // read from the console, in UTF-8
  std::size_t unread_ = 0;  // where what `Read` has not handed out begins
};

// A file opened by name, closed with this.
class FileInput : public HandleInput {
 public:
  explicit FileInput(HANDLE handle) : HandleInput(handle), handle_(handle) {}
  ~FileInput() override { CloseHandle(handle_); }
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

 private:
  HANDLE handle_;
};

class NamedFiles : public ByteFiles {
 public:
  std::unique_ptr<ByteInput> Open(std::string_view name) override {
    const HANDLE handle = CreateFileW(
        Utf16(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<FileInput>(handle);
  }
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
  HandleInput in(handles.in);
  HandleOutput out(handles.out);
  HandleOutput err(handles.err);
  NamedFiles files;
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return RunCommandLine(views, LocaleConventions(), in, out, err, files,
                        "eurolire.exe");
}

}  // namespace eurolire
