// Start-up of the real feniko program beside a Qt Widgets program with one
// empty window, both watched from outside on a private Xvfb display:
//   time to first painted frame: from just before the process is spawned to
//     the moment the window's contents first differ from the black of the
//     root window. Qt maps its windows without a background, so until the
//     program paints, the window shows the root's black; the first frame
//     arrives as one image upload, so one changed pixel marks it;
//   peak memory: the process's maximum resident set, read from wait4 after
//     it is ended right behind that first frame.
// Each program is started once to warm the caches, then RUNS times; medians
// are printed with their ratio (feniko / empty window).

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;
constexpr auto kPatience = std::chrono::seconds(30);

struct Sample {
  double firstFrameMs;
  long peakKib;
};

pid_t Spawn(const std::vector<std::string>& command, const std::vector<std::string>& extraEnv) {
  std::vector<std::string> environment;
  for (char** e = environ; *e != nullptr; ++e) environment.emplace_back(*e);
  environment.insert(environment.end(), extraEnv.begin(), extraEnv.end());
  std::vector<char*> envp;
  for (std::string& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> args = command;
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return failed == 0 ? pid : -1;
}

// Starts Xvfb on a free display and returns its number.
std::optional<int> StartXvfb(pid_t& server) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const std::string fd = std::to_string(pipeFds[1]);
  std::vector<std::string> args{"Xvfb", "-displayfd", fd,    "-screen", "0", "1280x1024x24",
                                "-br",  "-nolisten",  "tcp", "-dpi",    "96"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int failed = posix_spawnp(&server, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (failed != 0) {
    close(pipeFds[0]);
    return std::nullopt;
  }
  char buffer[32] = {};
  const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
  close(pipeFds[0]);
  if (got <= 0) return std::nullopt;
  return std::atoi(buffer);
}

bool IsTopLevelAppWindow(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  return attributes.c_class == InputOutput && !attributes.override_redirect &&
         attributes.width >= 100 && attributes.height >= 100;
}

std::optional<unsigned long> CentrePixel(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return std::nullopt;
  XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1,
                            AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return pixel;
}

int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

std::optional<Sample> MeasureOnce(Display* display, const std::string& program, int displayNumber) {
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, True);

  const auto start = Clock::now();
  const pid_t child =
      Spawn({program}, {"DISPLAY=:" + std::to_string(displayNumber), "QT_QPA_PLATFORM=xcb"});
  if (child < 0) return std::nullopt;

  std::optional<double> firstFrameMs;
  Window shown = 0;
  while (!firstFrameMs && Clock::now() - start < kPatience) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && shown == 0 &&
          IsTopLevelAppWindow(display, event.xmap.window)) {
        shown = event.xmap.window;
      }
    }
    if (shown != 0) {
      const auto pixel = CentrePixel(display, shown);
      if (pixel && *pixel != BlackPixel(display, DefaultScreen(display))) {
        firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        break;
      }
    } else {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }

  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  XSelectInput(display, root, NoEventMask);
  XSync(display, True);
  if (!firstFrameMs) return std::nullopt;
  return Sample{*firstFrameMs, usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::optional<Sample> MedianOf(Display* display, const std::string& program, int displayNumber) {
  if (!MeasureOnce(display, program, displayNumber)) return std::nullopt;  // warm-up
  std::vector<double> times;
  std::vector<long> peaks;
  for (int i = 0; i < kRuns; ++i) {
    const auto sample = MeasureOnce(display, program, displayNumber);
    if (!sample) return std::nullopt;
    times.push_back(sample->firstFrameMs);
    peaks.push_back(sample->peakKib);
  }
  return Sample{Median(times), Median(peaks)};
}

}  // namespace

int main() {
  pid_t server = 0;
  const auto displayNumber = StartXvfb(server);
  if (!displayNumber) {
    std::printf("startup_bench: Xvfb could not be started; nothing measured\n");
    return 0;
  }
  const std::string name = ":" + std::to_string(*displayNumber);
  Display* display = nullptr;
  for (int tries = 0; tries < 100 && display == nullptr; ++tries) {
    display = XOpenDisplay(name.c_str());
    if (display == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  int result = 0;
  if (display == nullptr) {
    std::printf("startup_bench: cannot open display %s\n", name.c_str());
    result = 1;
  } else {
    XSetErrorHandler(IgnoreXErrors);
    const auto ours = MedianOf(display, FENIKO_PROGRAM, *displayNumber);
    const auto peer = MedianOf(display, EMPTY_WINDOW_PROGRAM, *displayNumber);
    if (!ours || !peer) {
      std::printf("startup_bench: a program showed no painted window\n");
      result = 1;
    } else {
      std::printf("Start-up to the first painted frame, median of %d runs under Xvfb:\n", kRuns);
      std::printf("  %-22s %8.1f ms   peak memory %7.1f MiB\n", "feniko", ours->firstFrameMs,
                  ours->peakKib / 1024.0);
      std::printf("  %-22s %8.1f ms   peak memory %7.1f MiB\n", "empty Qt window (peer)",
                  peer->firstFrameMs, peer->peakKib / 1024.0);
      std::printf("  ratio feniko / peer:   time %.2f, memory %.2f\n",
                  ours->firstFrameMs / peer->firstFrameMs,
                  static_cast<double>(ours->peakKib) / static_cast<double>(peer->peakKib));
    }
    XCloseDisplay(display);
  }
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  return result;
}
