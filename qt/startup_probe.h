// The start-up probe that bench/startup reads: prints, on standard output,
// the monotonic clock (CLOCK_MONOTONIC, nanoseconds) when a window is first
// exposed ("mapped <ns>") and when that first expose has been painted and
// flushed ("painted <ns>"). Installed only when the benchmark asks for it.
#ifndef EUROLIRE_QT_STARTUP_PROBE_H_
#define EUROLIRE_QT_STARTUP_PROBE_H_

class QCoreApplication;

namespace eurolire {

// True when the environment variable EUROLIRE_STARTUP_PROBE is set.
bool StartupProbeWanted();

// Watches every window of `app` and reports the first one exposed.
void InstallStartupProbe(QCoreApplication& app);

}  // namespace eurolire

#endif  // EUROLIRE_QT_STARTUP_PROBE_H_
