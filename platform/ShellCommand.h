#pragma once

// How a shell request becomes a command line on a desktop without the Windows
// shell. Kept apart from the starting itself so that the choice can be tested.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace feniko::platform {

// Whether a program of that name can be started (found on the PATH).
using ProgramFinder = std::function<bool(const std::string& program)>;

// The command that stands in for the request, or none when nothing fits:
//   "Open" "IEXPLORE.EXE" "https://x/" -> xdg-open https://x/ (the user's browser)
//   "open" "calc.exe"                  -> the first calculator found
//   "open" "notepad.exe"               -> the first text editor found
// File names and operations are compared without regard to case, as Windows
// does. Parameters other than the browser's address are handed on as one
// argument.
std::optional<std::vector<std::string>> DesktopCommandFor(const ShellRequest& request,
                                                          const ProgramFinder& isInstalled);

// The programs tried, in this order.
const std::vector<std::string>& DesktopCalculators();
const std::vector<std::string>& DesktopTextEditors();

}  // namespace feniko::platform
