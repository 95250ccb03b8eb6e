#ifndef QUILLON_APP_COMMANDLINE_H
#define QUILLON_APP_COMMANDLINE_H

#include <optional>

// --help and --version are answered on standard output before the QApplication exists, so that
// they need no display. Every other argument, Qt's own options (-platform, -style, ...) among
// them, is left to the QApplication.
// Returns the exit status when the command line asked for an answer, nothing when Quillon starts.
std::optional<int> answerCommandLine(int argc, char *argv[]);

#endif
