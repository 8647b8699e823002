#include "qt/platform_failure.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace eurolire {
namespace {

// A message Qt gave, held back. The context's texts are Qt's own constants
// (source file, function, logging category), which outlive the program's
// start.
struct HeldMessage {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};

// The one report's state, for Qt's handler, which is a bare function.
struct ReportState {
  std::string message;
  int status = 0;
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
};
ReportState* g_report = nullptr;

void Handle(QtMsgType type, const QMessageLogContext& context,
            const QString& text) {
  // Qt's fatal errors while a QApplication is made are the platform's: it
  // could not be loaded or could not open its display. Qt aborts once the
  // handler returns, so this one does not.
  if (type == QtFatalMsg) {
    const std::string& message = g_report->message;
    for (std::size_t written = 0; written < message.size();) {
      const ssize_t count = write(STDERR_FILENO, message.data() + written,
                                  message.size() - written);
      if (count <= 0) break;
      written += static_cast<std::size_t>(count);
    }
    std::_Exit(g_report->status);
  }
  g_report->held.push_back({type, context.file, context.line, context.function,
                            context.category, text});
}

}  // namespace

PlatformFailureReport::PlatformFailureReport(std::string message, int status) {
  g_report = new ReportState{std::move(message), status, nullptr, {}};
  g_report->previous = qInstallMessageHandler(Handle);
}

PlatformFailureReport::~PlatformFailureReport() {
  qInstallMessageHandler(g_report->previous);
  for (const HeldMessage& held : g_report->held) {
    const QMessageLogContext context(held.file, held.line, held.function,
                                     held.category);
    qt_message_output(held.type, context, held.text);
  }
  delete std::exchange(g_report, nullptr);
}

}  // namespace eurolire
