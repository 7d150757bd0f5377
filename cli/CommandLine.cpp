#include "cli/CommandLine.h"

namespace feniko::cli {
namespace {

constexpr std::string_view kHint = "; try 'feniko-cli --help'";

bool IsHelp(std::string_view argument) {
  return argument == "--help" || argument == "-h";
}

ParsedCommandLine UsageError(std::string_view what) {
  ParsedCommandLine parsed;
  parsed.usageError.append("feniko-cli: ").append(what).append(kHint);
  return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  if (argc < 2) return UsageError("missing command (tax or rmb)");
  const std::string_view command = argv[1];
  ParsedCommandLine parsed;
  Invocation& invocation = parsed.invocation;
  if (IsHelp(command)) {
    invocation.command = Command::Help;
    return parsed;
  }
  if (command == "tax") {
    invocation.command = Command::Tax;
  } else if (command == "rmb") {
    invocation.command = Command::Rmb;
  } else {
    return UsageError("unknown command '" + std::string(command) + "' (expected tax or rmb)");
  }

  bool optionsEnded = false;
  for (int i = 2; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (optionsEnded || (!argument.starts_with("--") && argument != "-h")) {
      invocation.amounts.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (IsHelp(argument)) {
      invocation = Invocation{};
      return parsed;
    } else if (argument == "--tsv") {
      invocation.tsv = true;
    } else if (argument == "--old" && invocation.command == Command::Tax) {
      invocation.previousSchedule = true;
    } else {
      return UsageError("unknown option '" + std::string(argument) + "' for " +
                        std::string(command));
    }
  }
  return parsed;
}

}  // namespace feniko::cli
