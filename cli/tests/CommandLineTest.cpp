#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace feniko::cli {
namespace {

struct ParseCase {
  const char* name;
  std::vector<const char*> arguments;  // after the program name
  Command command;
  bool previous;
  bool tsv;
  std::vector<std::string_view> amounts;
  bool usageError;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.name;
}

class ParseCommandLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, ReadsCommandOptionsAndAmounts) {
  const ParseCase& c = GetParam();
  std::vector<const char*> argv = {"feniko-cli"};
  argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
  const ParsedCommandLine parsed = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
  EXPECT_EQ(!parsed.usageError.empty(), c.usageError) << parsed.usageError;
  if (c.usageError) {
    EXPECT_EQ(parsed.usageError.find('\n'), std::string::npos);
    EXPECT_NE(parsed.usageError.find("--help"), std::string::npos);
    return;
  }
  EXPECT_EQ(parsed.invocation.command, c.command);
  EXPECT_EQ(parsed.invocation.previousSchedule, c.previous);
  EXPECT_EQ(parsed.invocation.tsv, c.tsv);
  EXPECT_EQ(parsed.invocation.amounts, c.amounts);
}

constexpr auto kTax = Command::Tax;
constexpr auto kRmb = Command::Rmb;
constexpr auto kHelp = Command::Help;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseCommandLineTest,
    testing::Values(
        ParseCase{"TaxFromInput", {"tax"}, kTax, false, false, {}, false},
        ParseCase{
            "TaxOldTsv", {"tax", "--old", "--tsv", "5000"}, kTax, true, true, {"5000"}, false},
        ParseCase{
            "OptionsAfterAmounts", {"tax", "5000", "--old"}, kTax, true, false, {"5000"}, false},
        ParseCase{"NegativeIsAnAmount", {"rmb", "-5", "-"}, kRmb, false, false, {"-5", "-"}, false},
        ParseCase{"EmptyIsAnAmount", {"rmb", ""}, kRmb, false, false, {""}, false},
        ParseCase{"AfterDoubleDash",
                  {"rmb", "--", "--tsv", "--"},
                  kRmb,
                  false,
                  false,
                  {"--tsv", "--"},
                  false},
        ParseCase{"Help", {"--help"}, kHelp, false, false, {}, false},
        ParseCase{"HelpAfterCommand", {"rmb", "1", "-h"}, kHelp, false, false, {}, false},
        ParseCase{"NoCommand", {}, kHelp, false, false, {}, true},
        ParseCase{"UnknownCommand", {"vat", "5"}, kHelp, false, false, {}, true},
        ParseCase{"OldIsForTaxOnly", {"rmb", "--old"}, kHelp, false, false, {}, true},
        ParseCase{"UnknownOption", {"tax", "--csv"}, kHelp, false, false, {}, true}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace feniko::cli
