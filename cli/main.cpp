// eurolire on Linux: converts amounts in the terminal, linked without any
// toolkit so that it starts as quickly as a bare process and runs where no
// display or Qt is; given no arguments of its own, it becomes the window
// program installed beside it, as eurolire.com starts eurolire.exe.
#include <optional>

#include "cli/window_program.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = eurolire::RunUnlessWindow(argc, argv)) {
    return *status;
  }
  return eurolire::StartWindowProgram(argv);
}
