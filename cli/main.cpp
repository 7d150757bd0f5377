// feniko-cli: the calculator pages and the conversion page of Feniko for
// scripts and batch work. Each amount is handled exactly as if typed into
// the page's box and Enter pressed.

#include <cstdio>
#include <string_view>

#include "cli/AmountReport.h"
#include "cli/CommandLine.h"
#include "cli/LineReader.h"
#include "cli/Output.h"
#include "platform/RegionalSettings.h"

namespace {

using namespace feniko;
using namespace feniko::cli;

constexpr int kAllUsable = 0;
constexpr int kSomeRefused = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kHelp =
    R"(Usage: feniko-cli tax [--old] [--tsv] [AMOUNT...]
       feniko-cli rmb [--tsv] [AMOUNT...]
       feniko-cli --help

tax   The personal income tax on a gross monthly wage, as the calculator page
      shows it: income, taxable income, rate, quick deduction, tax and income
      after tax. The current schedule (threshold 3500 yuan, 3% to 45%) unless
      --old asks for the previous one (threshold 2000 yuan, 5% to 45%).
rmb   The amount in Chinese capital numerals, as the conversion page writes
      it (105.30 -> 壹佰零伍元叁角); an empty line for an amount of 0 fen.

Each AMOUNT is handled exactly as if typed into the page's box and Enter
pressed (there is no length limit). Without AMOUNT arguments the amounts are
read from standard input, one per line (LF or CR LF), and each answer is
written as soon as its line is read. Use -- before amounts that start with --.
The decimal separator is the one of the locale (LC_ALL, LC_NUMERIC, LANG).

Output (UTF-8): per amount the page's lines, or its message line; a failure
that the program would show in its error box is written to standard error.
The answers for several amounts are separated by one blank line.

--tsv  Exactly one line per amount: the amount as given, a TAB, then
         tax: ok TAB income TAB taxable TAB rate% TAB deduction TAB tax TAB after-tax
              or message TAB the page message
         rmb: ok TAB the capital text (possibly empty), message TAB the page
              message, or error TAB the error text

Exit status: 0 when every amount gave a result or the tax-free notice, 1 when
any gave the red page message or an error, 2 for a usage error.
)";

class Run {
 public:
  explicit Run(const Invocation& invocation) : invocation_(invocation) {}

  void Amount(std::string_view amount) {
    if (!invocation_.tsv && count_ > 0) output_.Out("\n");
    ++count_;
    const bool usable =
        invocation_.command == Command::Tax
            ? ReportTax(output_, amount,
                        invocation_.previousSchedule ? Schedule::Previous : Schedule::Current,
                        invocation_.tsv)
            : ReportRmb(output_, amount, invocation_.tsv);
    if (!usable) allUsable_ = false;
  }

  int Finish() {
    output_.Flush();
    if (!output_.Good()) {
      output_.Err("feniko-cli: could not write the output\n");
      return kSomeRefused;
    }
    return allUsable_ ? kAllUsable : kSomeRefused;
  }

  Output& output() { return output_; }

 private:
  const Invocation& invocation_;
  Output output_;
  long long count_ = 0;
  bool allUsable_ = true;
};

}  // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  if (!parsed.usageError.empty()) {
    std::fprintf(stderr, "%s\n", parsed.usageError.c_str());
    return kUsageError;
  }
  const Invocation& invocation = parsed.invocation;
  if (invocation.command == Command::Help) {
    std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
    return kAllUsable;
  }

  platform::RefreshDecimalSeparator();

  Run run(invocation);
  if (!invocation.amounts.empty()) {
    for (const std::string_view amount : invocation.amounts) run.Amount(amount);
  } else {
    LineReader input(0, [&run] { run.output().Flush(); });
    std::string_view line;
    while (input.Next(line)) run.Amount(line);
  }
  return run.Finish();
}
