// The window program's start where Qt cannot start its platform (DISPLAY
// naming an X server that is not there, a QT_QPA_PLATFORM that does not
// exist): Qt would print its own errors in English and abort the program,
// which then dumps core. While a `PlatformFailureReport` lives, around the
// QApplication's construction, such a failure instead writes the given
// message on standard error and ends the program with the given status; the
// messages Qt prints meanwhile are held back, and passed on as Qt would have
// printed them once the report ends, so a start that succeeds prints what it
// always did.
#ifndef EUROLIRE_QT_PLATFORM_FAILURE_H_
#define EUROLIRE_QT_PLATFORM_FAILURE_H_

#include <string>

namespace eurolire {

class PlatformFailureReport {
 public:
  // One at a time: Qt has one message handler for the whole program.
  PlatformFailureReport(std::string message, int status);
  ~PlatformFailureReport();
  PlatformFailureReport(const PlatformFailureReport&) = delete;
  PlatformFailureReport& operator=(const PlatformFailureReport&) = delete;
};

}  // namespace eurolire

#endif  // EUROLIRE_QT_PLATFORM_FAILURE_H_
