// What the process benchmarks share: a monotonic clock, and a program
// started with its standard output into a pipe, timed from just before the
// start.
#ifndef EUROLIRE_BENCH_SPAWNED_PROCESS_H_
#define EUROLIRE_BENCH_SPAWNED_PROCESS_H_

#include <spawn.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

extern char** environ;

namespace eurolire::bench {

inline std::int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

struct SpawnedProcess {
  pid_t pid = -1;          // -1 when it could not be started
  int output = -1;         // the read end of its standard output, to close
  std::int64_t start = 0;  // MonotonicNanoseconds() just before the start
};

// Starts `argv` (argv[0] the program's path) with the caller's environment.
inline SpawnedProcess Spawn(char* argv[]) {
  SpawnedProcess process;
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return process;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  process.start = MonotonicNanoseconds();
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (spawned != 0) {
    close(pipe_ends[0]);
    return process;
  }
  process.pid = pid;
  process.output = pipe_ends[0];
  return process;
}

}  // namespace eurolire::bench

#endif  // EUROLIRE_BENCH_SPAWNED_PROCESS_H_
