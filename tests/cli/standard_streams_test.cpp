// A file opened as the command line's input reads as standard input does,
// and one that cannot be opened or read says so.
#include "cli/standard_streams.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace eurolire {
namespace {

TEST(FileInputTest, AFileReadsAsStandardInputAndAFailureIsTold) {
  char path[] = "/tmp/eurolire-input-XXXXXX";
  const int descriptor = mkstemp(path);
  ASSERT_GE(descriptor, 0);
  ASSERT_EQ(write(descriptor, "1000\n12a", 8), 8);
  close(descriptor);
  std::string line;
  {
    const std::unique_ptr<FileInput> input = FileInput::Open(path);
    ASSERT_NE(input, nullptr);
    LineReader lines(*input);
    for (const char* expected : {"1000", "12a"}) {
      ASSERT_EQ(lines.ReadLine(line), LineReader::Status::kLine);
      EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(lines.ReadLine(line), LineReader::Status::kEnd);
  }
  std::remove(path);

  errno = 0;
  EXPECT_EQ(FileInput::Open(path), nullptr);
  EXPECT_EQ(errno, ENOENT);
  // A folder opens, but does not read.
  const std::unique_ptr<FileInput> folder = FileInput::Open("/tmp");
  ASSERT_NE(folder, nullptr);
  EXPECT_EQ(LineReader(*folder).ReadLine(line), LineReader::Status::kFailed);
}

}  // namespace
}  // namespace eurolire
