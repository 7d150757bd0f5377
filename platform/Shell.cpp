// The shell on POSIX desktops: each request becomes a desktop program started
// detached, so the window neither waits for it nor learns how it went.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "platform/ShellCommand.h"

extern char** environ;

namespace feniko::platform {
namespace {

bool IsOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  const std::string directories(path);
  std::size_t start = 0;
  while (start <= directories.size()) {
    std::size_t end = directories.find(':', start);
    if (end == std::string::npos) end = directories.size();
    const std::string directory = end > start ? directories.substr(start, end - start) : ".";
    const std::string candidate = directory + "/" + program;
    struct stat info {};
    if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

// Starts the command through a shell that puts it in the background and
// exits at once: the program is left to init, so it outlives the window and
// never becomes a zombie of ours, and waiting for that shell takes no longer
// than its own start.
void StartDetached(const std::vector<std::string>& command) {
  std::vector<std::string> arguments{"sh", "-c", "\"$@\" </dev/null >/dev/null 2>&1 &", "sh"};
  arguments.insert(arguments.end(), command.begin(), command.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0) return;
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t shell = 0;
  const int failed = posix_spawn(&shell, "/bin/sh", nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (failed != 0) return;
  while (::waitpid(shell, nullptr, 0) < 0 && errno == EINTR) {
  }
}

class PosixShell final : public Shell {
 public:
  void Execute(const ShellRequest& request) override {
    if (auto command = DesktopCommandFor(request, IsOnPath)) StartDetached(*command);
  }
};

}  // namespace

Shell& SystemShell() {
  static PosixShell shell;
  return shell;
}

}  // namespace feniko::platform
