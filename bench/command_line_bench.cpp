// Times a command from its start to its exit, as a script that runs it once
// per amount waits for it: the command is started RUNS times in a row, its
// standard output read to the end, and the median, fastest and slowest wall
// times printed, with what it printed the last time.
// Usage: command_line_bench RUNS PROGRAM [ARGS...]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/spawned_process.h"

namespace {

using eurolire::bench::MonotonicNanoseconds;

// Runs `argv` once; false when it could not be started or did not exit 0.
bool Run(char* argv[], double& milliseconds, std::string& output) {
  const eurolire::bench::SpawnedProcess process = eurolire::bench::Spawn(argv);
  if (process.pid < 0) return false;
  output.clear();
  char buffer[4096];
  for (ssize_t n; (n = read(process.output, buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(n));
  }
  close(process.output);
  int status = 0;
  if (waitpid(process.pid, &status, 0) != process.pid) return false;
  milliseconds = (MonotonicNanoseconds() - process.start) / 1e6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> times;
  std::string output;
  // One more, first, to bring the program and its libraries into the cache.
  for (int run = 0; run <= runs; ++run) {
    double milliseconds = 0;
    if (!Run(argv + 2, milliseconds, output)) {
      std::fprintf(stderr, "%s: failed\n", argv[2]);
      return 1;
    }
    if (run > 0) times.push_back(milliseconds);
  }
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median =
      n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::string command = argv[2];
  for (char** argument = argv + 3; *argument; ++argument) {
    command += std::string(" ") + *argument;
  }
  if (!output.empty() && output.back() == '\n') output.pop_back();
  std::printf(
      "%-40s median %6.2f ms (%.2f to %.2f, %zu runs), printed \"%s\"\n",
      command.c_str(), median, times.front(), times.back(), n, output.c_str());
  return 0;
}
