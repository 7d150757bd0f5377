// The shell on Windows: the request goes to ShellExecuteA exactly as given;
// its result is not looked at.

#include <shellapi.h>
#include <windows.h>

#include "platform/Shell.h"

namespace feniko::platform {
namespace {

class WindowsShell final : public Shell {
 public:
  void Execute(const ShellRequest& request) override {
    ShellExecuteA(reinterpret_cast<HWND>(request.ownerWindow), request.operation.c_str(),
                  request.file.c_str(), request.parameters ? request.parameters->c_str() : nullptr,
                  request.directory ? request.directory->c_str() : nullptr, request.showCommand);
  }
};

}  // namespace

Shell& SystemShell() {
  static WindowsShell shell;
  return shell;
}

}  // namespace feniko::platform
