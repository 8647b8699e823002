// A main for a fuzz target built without libFuzzer: feeds it every file of
// the folders given, one input a file, in name order, so that the kept
// corpus is a regression test with any compiler. A property the target finds
// broken aborts the run (fuzz/fuzz_check.h); an unreadable folder or file
// fails it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size);

int main(int argc, char* argv[]) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(argv[i], error)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    if (error) {
      std::fprintf(stderr, "%s: %s\n", argv[i], error.message().c_str());
      return 1;
    }
  }
  // The same order on every file system, so that a failure replays alike.
  std::sort(inputs.begin(), inputs.end());
  for (const std::filesystem::path& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    if (file.bad()) {
      std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
      return 1;
    }
    // A null pointer for an empty file would be valid for libFuzzer too,
    // but the targets may do pointer arithmetic on it.
    static const std::uint8_t kNone = 0;
    LLVMFuzzerTestOneInput(
        bytes.empty() ? &kNone
                      : reinterpret_cast<const std::uint8_t*>(bytes.data()),
        bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  // No inputs is a corpus gone missing, not a pass.
  return inputs.empty() ? 1 : 0;
}
