#include "qt/startup_probe.h"

#include <time.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWindow>
#include <cinttypes>
#include <cstdint>
#include <cstdio>

namespace eurolire {
namespace {

std::int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

class StartupProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && watched->isWindowType() &&
        static_cast<QWindow*>(watched)->isExposed()) {
      std::printf("mapped %" PRId64 "\n", MonotonicNanoseconds());
      QCoreApplication::instance()->removeEventFilter(this);
      // Posted events run once the expose, which paints and flushes the
      // first frame, has been handled.
      QMetaObject::invokeMethod(
          this,
          [this] {
            std::printf("painted %" PRId64 "\n", MonotonicNanoseconds());
            std::fflush(stdout);
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

bool StartupProbeWanted() {
  return qEnvironmentVariableIsSet("EUROLIRE_STARTUP_PROBE");
}

void InstallStartupProbe(QCoreApplication& app) {
  app.installEventFilter(new StartupProbe(&app));
}

}  // namespace eurolire
