#pragma once

#include <optional>

namespace ranktally {

// Answers --help and --version and refuses what the program does not take, before a window
// system is reached, so that both work where no display is; Qt's own options (-platform, -style,
// -reverse, ...) pass through untouched to the application object, which reads them.
// Returns the exit status when the program is to stop here.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace ranktally
