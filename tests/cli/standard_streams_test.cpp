// A file opened as the command line's input reads line by line as standard
// input does, and one that cannot be opened or read says so.
#include "cli/standard_streams.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace eurolire {
namespace {

TEST(FileInputTest, AFileReadsLineByLineAndAFailureIsTold) {
  char path[] = "/tmp/eurolire-input-XXXXXX";
  const int descriptor = mkstemp(path);
  ASSERT_GE(descriptor, 0);
  const std::string text = "1000\r\n12a\n" + std::string(100'000, '7');
  ASSERT_EQ(write(descriptor, text.data(), text.size()),
            static_cast<ssize_t>(text.size()));
  close(descriptor);

  const std::unique_ptr<FileInput> input = FileInput::Open(path);
  ASSERT_NE(input, nullptr);
  LineReader lines(*input);
  std::vector<std::string> read;
  for (std::string line; lines.ReadLine(line) == LineReader::Status::kLine;) {
    read.push_back(line);
  }
  EXPECT_EQ(read, (std::vector<std::string>{"1000\r", "12a",
                                            std::string(100'000, '7')}));
  std::remove(path);

  errno = 0;
  EXPECT_EQ(FileInput::Open(path), nullptr);
  EXPECT_EQ(errno, ENOENT);
  // A folder opens, but does not read.
  const std::unique_ptr<FileInput> folder = FileInput::Open("/tmp");
  ASSERT_NE(folder, nullptr);
  std::string line;
  EXPECT_EQ(LineReader(*folder).ReadLine(line), LineReader::Status::kFailed);
}

}  // namespace
}  // namespace eurolire
