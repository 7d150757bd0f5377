#pragma once

// What feniko-cli was asked to do, read from its arguments.

#include <string>
#include <string_view>
#include <vector>

namespace feniko::cli {

enum class Command { Tax, Rmb, Help };

struct Invocation {
  Command command = Command::Help;
  bool previousSchedule = false;  // tax --old
  bool tsv = false;
  // Empty: the amounts come from standard input, one per line.
  std::vector<std::string_view> amounts;
};

// Either the invocation or, for arguments that make no sense, a one-line
// hint for standard error (usage error).
struct ParsedCommandLine {
  Invocation invocation;
  std::string usageError;
};

// feniko-cli tax [--old] [--tsv] [AMOUNT...] | rmb [--tsv] [AMOUNT...] | --help
// Options may stand anywhere after the command; "--" ends them. Any other
// argument is an amount, so "-5" is the amount -5, while an unknown "--word"
// is a usage error.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace feniko::cli
