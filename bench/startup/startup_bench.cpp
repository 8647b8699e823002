// Measures the start-up of programs that carry the start-up probe
// (qt/startup_probe.h): time from exec to the window mapped and to its first
// painted frame, private memory (RssAnon) once shown, and CPU used while
// idle. The programs are started in turn, interleaved, and the medians are
// printed, and each program's against the last's, the floor. Needs a display
// (bench/startup/run.sh starts Xvfb).
// Usage: startup_bench RUNS IDLE_SECONDS PROGRAM...
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/spawned_process.h"

namespace {

struct Sample {
  double mapped_ms = 0;
  double painted_ms = 0;
  double rss_anon_kib = 0;
  long idle_ticks = -1;  // -1 when not measured
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double RssAnonKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("RssAnon:", 0) == 0) return std::atof(line.c_str() + 8);
  }
  return -1;
}

long CpuTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  // Fields after the command name, which is in parentheses: utime and stime
  // are the 12th and 13th of them.
  std::istringstream rest(text.substr(text.rfind(')') + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 1; i <= 13 && rest >> field; ++i) {
    if (i == 12) utime = std::atol(field.c_str());
    if (i == 13) stime = std::atol(field.c_str());
  }
  return utime + stime;
}

bool Run(const std::string& program, int idle_seconds, Sample& sample) {
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  const eurolire::bench::SpawnedProcess process = eurolire::bench::Spawn(argv);
  if (process.pid < 0) return false;
  const pid_t pid = process.pid;
  const std::int64_t start = process.start;

  FILE* probe = fdopen(process.output, "r");
  char line[128];
  std::int64_t mapped = 0, painted = 0;
  while (painted == 0 && std::fgets(line, sizeof line, probe)) {
    long long ns = 0;
    if (std::sscanf(line, "mapped %lld", &ns) == 1) mapped = ns;
    if (std::sscanf(line, "painted %lld", &ns) == 1) painted = ns;
  }
  const bool ok = mapped > 0 && painted > 0;
  if (ok) {
    sample.mapped_ms = (mapped - start) / 1e6;
    sample.painted_ms = (painted - start) / 1e6;
    sample.rss_anon_kib = RssAnonKib(pid);
    if (idle_seconds > 0) {
      // Let the start-up's last posted work settle first.
      std::this_thread::sleep_for(std::chrono::seconds(1));
      const long before = CpuTicks(pid);
      std::this_thread::sleep_for(std::chrono::seconds(idle_seconds));
      sample.idle_ticks = CpuTicks(pid) - before;
    }
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::fclose(probe);
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s RUNS IDLE_SECONDS PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int idle_seconds = std::atoi(argv[2]);
  const std::vector<std::string> programs(argv + 3, argv + argc);
  setenv("EUROLIRE_STARTUP_PROBE", "1", 1);

  std::vector<std::vector<Sample>> samples(programs.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
      // Alternate which program goes first, so neither always follows the
      // other into a warm cache.
      const std::size_t p = run % 2 ? programs.size() - 1 - i : i;
      Sample sample;
      const int idle = run == runs - 1 ? idle_seconds : 0;
      if (!Run(programs[p], idle, sample)) {
        std::fprintf(stderr, "%s: no frame\n", programs[p].c_str());
        return 1;
      }
      samples[p].push_back(sample);
    }
  }

  std::printf("%-40s %10s %10s %12s %10s\n", "program (median of runs)",
              "mapped ms", "painted ms", "RssAnon KiB", "idle ticks");
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> mapped, painted, rss;
    for (const Sample& s : samples[p]) {
      mapped.push_back(s.mapped_ms);
      painted.push_back(s.painted_ms);
      rss.push_back(s.rss_anon_kib);
    }
    std::string name = programs[p];
    name = name.substr(name.rfind('/') + 1);
    std::printf("%-40s %10.1f %10.1f %12.0f %10ld\n",
                (name + " (" + std::to_string(runs) + ")").c_str(),
                Median(mapped), Median(painted), Median(rss),
                samples[p].back().idle_ticks);
  }
  // Each program against the last, the floor.
  const std::size_t floor = programs.size() - 1;
  const auto median = [&](std::size_t p, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& s : samples[p]) values.push_back(s.*field);
    return Median(values);
  };
  for (std::size_t p = 0; p < floor; ++p) {
    std::printf(
        "%s / %s: mapped %.2fx, painted %.2fx, RssAnon %+.0f KiB\n",
        programs[p].substr(programs[p].rfind('/') + 1).c_str(),
        programs[floor].substr(programs[floor].rfind('/') + 1).c_str(),
        median(p, &Sample::mapped_ms) / median(floor, &Sample::mapped_ms),
        median(p, &Sample::painted_ms) / median(floor, &Sample::painted_ms),
        median(p, &Sample::rss_anon_kib) -
            median(floor, &Sample::rss_anon_kib));
  }
  return 0;
}
