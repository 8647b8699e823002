// Whose the program's arguments are: the window's, which Qt takes, or the
// command line's (cli/command_line.h), decided before QApplication, which
// would need a display.
#ifndef EUROLIRE_QT_ARGUMENTS_H_
#define EUROLIRE_QT_ARGUMENTS_H_

#include <string_view>
#include <vector>

namespace eurolire {

// True when the arguments (without the program's name) are for the command
// line rather than the window: any of --help, -h, --version, --euro, --lire
// (or --euro=AMOUNT, --lire=AMOUNT), or a word that is no option and no
// value of one of Qt's options ("12", "-5"; not "fusion" in "-style
// fusion"). Other options are left to the window, which hands them to Qt;
// what Qt does not take, `RunCommandLine` then reports.
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

}  // namespace eurolire

#endif  // EUROLIRE_QT_ARGUMENTS_H_
