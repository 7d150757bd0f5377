#include "platform/ShellCommand.h"

#include <algorithm>
#include <cctype>

namespace feniko::platform {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::optional<std::string> FirstInstalled(const std::vector<std::string>& programs,
                                          const ProgramFinder& isInstalled) {
  for (const std::string& program : programs) {
    if (isInstalled(program)) return program;
  }
  return std::nullopt;
}

}  // namespace

const std::vector<std::string>& DesktopCalculators() {
  static const std::vector<std::string> programs{"gnome-calculator", "kcalc",         "galculator",
                                                 "mate-calc",        "qalculate-gtk", "xcalc"};
  return programs;
}

const std::vector<std::string>& DesktopTextEditors() {
  static const std::vector<std::string> programs{
      "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad"};
  return programs;
}

std::optional<std::vector<std::string>> DesktopCommandFor(const ShellRequest& request,
                                                          const ProgramFinder& isInstalled) {
  if (!SameIgnoringCase(request.operation, "open")) return std::nullopt;

  if (SameIgnoringCase(request.file, "IEXPLORE.EXE")) {
    if (!request.parameters || request.parameters->empty() || !isInstalled("xdg-open")) {
      return std::nullopt;
    }
    return std::vector<std::string>{"xdg-open", *request.parameters};
  }

  std::optional<std::string> program;
  if (SameIgnoringCase(request.file, "calc.exe")) {
    program = FirstInstalled(DesktopCalculators(), isInstalled);
  } else if (SameIgnoringCase(request.file, "notepad.exe")) {
    program = FirstInstalled(DesktopTextEditors(), isInstalled);
  }
  if (!program) return std::nullopt;
  std::vector<std::string> command{*program};
  if (request.parameters && !request.parameters->empty()) command.push_back(*request.parameters);
  return command;
}

}  // namespace feniko::platform
