// What the command line reads and writes through: bytes in, bytes out, each
// front end supplying its platform's standard handles (and the tests a
// string). Plain buffers rather than iostreams, so that a statically linked
// program does not carry the C++ streams and locales.
#ifndef EUROLIRE_CLI_BYTE_STREAMS_H_
#define EUROLIRE_CLI_BYTE_STREAMS_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace eurolire {

// Standard input, or what stands for it.
class ByteInput {
 public:
  virtual ~ByteInput() = default;
  // Reads at most `size` bytes into `buffer` and returns how many: 0 at the
  // end of the input, std::nullopt when reading failed.
  virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

// Standard output or error, or what stands for it.
class ByteOutput {
 public:
  virtual ~ByteOutput() = default;
  // Writes all of `bytes` or returns false. The command line hands over
  // whole lines and messages, so `bytes` never ends inside a UTF-8
  // character.
  virtual bool Write(std::string_view bytes) = 0;
  // Writes a document's own bytes as they are, its line endings included,
  // where `Write` may write the command line's "\n" the platform's way.
  virtual bool WriteVerbatim(std::string_view bytes) { return Write(bytes); }
  // A terminal or a console, which shows each message as it comes; a file
  // or a pipe gets them in blocks.
  virtual bool IsInteractive() const { return false; }
};

// Files by name, as the platform names them, in UTF-8.
class ByteFiles {
 public:
  virtual ~ByteFiles() = default;
  // The file's bytes, or nothing when it cannot be opened for reading.
  virtual std::unique_ptr<ByteInput> Open(std::string_view name) = 0;
};

// `ByteInput` line by line.
class LineReader {
 public:
  enum class Status { kLine, kEnd, kFailed };

  explicit LineReader(ByteInput& input);

  // The next line, without its "\n", into `line`. A last line without "\n"
  // is a line too; kEnd once nothing is left, kFailed when reading failed.
  Status ReadLine(std::string& line);

 private:
  ByteInput& input_;
  std::string buffer_;
  std::size_t start_ = 0;  // where the unread bytes in `buffer_` begin
  bool ended_ = false;
};

// `ByteOutput` written in blocks, or piece by piece when `each_piece`.
class BufferedOutput {
 public:
  BufferedOutput(ByteOutput& output, bool each_piece);

  // From now on, writes a document's bytes as they are (`WriteVerbatim`).
  void SetVerbatim() { verbatim_ = true; }

  // Appends one piece (a line, a message); a piece is never cut between two
  // writes. Once a write has failed, the rest is dropped.
  void Write(std::string_view piece);
  // Writes what is buffered; false if this or any earlier write failed.
  bool Flush();
  bool failed() const { return failed_; }

 private:
  bool Send(std::string_view bytes);

  ByteOutput& output_;
  bool each_piece_;
  bool verbatim_ = false;
  bool failed_ = false;
  std::string buffer_;
};

}  // namespace eurolire

#endif  // EUROLIRE_CLI_BYTE_STREAMS_H_
