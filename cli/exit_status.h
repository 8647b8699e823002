// How a command-line run ends: its exit statuses, and the last flush of its
// results, which every way of converting shares.
#ifndef EUROLIRE_CLI_EXIT_STATUS_H_
#define EUROLIRE_CLI_EXIT_STATUS_H_

#include "cli/byte_streams.h"

namespace eurolire {

// The exit statuses of a command-line run: every amount converted (or help
// and version written); an amount not converted, or the input or output
// failed; the arguments make no sense.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNotConverted = 1;
inline constexpr int kExitUsage = 2;

// Flushes `out`; false, with a message on `err`, when the output failed.
inline bool FlushResults(BufferedOutput& out, BufferedOutput& err) {
  if (out.Flush()) return true;
  err.Write("eurolire: non è stato possibile scrivere i risultati\n");
  return false;
}

}  // namespace eurolire

#endif  // EUROLIRE_CLI_EXIT_STATUS_H_
