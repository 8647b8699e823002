#include "cli/byte_streams.h"

namespace eurolire {
namespace {

// Large enough that a million lines take a few dozen reads and writes.
constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

LineReader::LineReader(ByteInput& input) : input_(input) {}

LineReader::Status LineReader::ReadLine(std::string& line) {
  // Where no "\n" has been looked for yet: a long line is scanned once.
  std::size_t unsearched = start_;
  for (;;) {
    if (const std::size_t end = buffer_.find('\n', unsearched);
        end != std::string::npos) {
      line.assign(buffer_, start_, end - start_);
      start_ = end + 1;
      return Status::kLine;
    }
    if (ended_) {
      if (start_ == buffer_.size()) return Status::kEnd;
      line.assign(buffer_, start_);
      start_ = buffer_.size();
      return Status::kLine;
    }
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t kept = buffer_.size();
    unsearched = kept;
    buffer_.resize(kept + kBlockSize);
    const std::optional<std::size_t> read =
        input_.Read(buffer_.data() + kept, kBlockSize);
    buffer_.resize(kept + read.value_or(0));
    if (!read) return Status::kFailed;
    ended_ = *read == 0;
  }
}

BufferedOutput::BufferedOutput(ByteOutput& output, bool each_piece)
    : output_(output), each_piece_(each_piece) {}

void BufferedOutput::Write(std::string_view piece) {
  if (buffer_.size() + piece.size() > kBlockSize) Flush();
  if (failed_) return;
  if (each_piece_ || piece.size() > kBlockSize) {
    failed_ = !Send(piece);
  } else {
    buffer_ += piece;
  }
}

bool BufferedOutput::Send(std::string_view bytes) {
  return verbatim_ ? output_.WriteVerbatim(bytes) : output_.Write(bytes);
}

bool BufferedOutput::Flush() {
  if (!failed_ && !buffer_.empty()) failed_ = !Send(buffer_);
  buffer_.clear();
  return !failed_;
}

}  // namespace eurolire
