#pragma once

// Starting other programs, as the Windows shell's ShellExecute does: the
// window hands over exactly these arguments and never learns the outcome.

#include <cstdint>
#include <optional>
#include <string>

namespace feniko::platform {

struct ShellRequest {
  std::uintptr_t ownerWindow = 0;         // the main window's native handle
  std::string operation;                  // "Open" or "open"
  std::string file;                       // "IEXPLORE.EXE", "calc.exe", "notepad.exe"
  std::optional<std::string> parameters;  // the address, or none (null)
  std::optional<std::string> directory;   // "" for the browser, none (null) otherwise
  int showCommand = 1;                    // SW_SHOWNORMAL

  friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Starts the program detached and returns at once; failures are swallowed.
  virtual void Execute(const ShellRequest& request) = 0;
};

// The real shell: ShellExecuteA on Windows; elsewhere the user's browser for
// "IEXPLORE.EXE", the first desktop calculator found for "calc.exe", the
// first text editor found for "notepad.exe".
Shell& SystemShell();

}  // namespace feniko::platform
