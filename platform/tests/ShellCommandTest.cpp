#include "platform/ShellCommand.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace feniko::platform {
namespace {

using Command = std::optional<std::vector<std::string>>;

struct Case {
  const char* name;
  ShellRequest request;
  std::set<std::string> installed;
  Command expected;
};

ShellRequest Browser(const char* address) {
  return {7, "Open", "IEXPLORE.EXE", address, "", 1};
}
ShellRequest Program(const char* operation, const char* file) {
  return {7, operation, file, std::nullopt, std::nullopt, 1};
}

class DesktopCommandTest : public testing::TestWithParam<Case> {};

TEST_P(DesktopCommandTest, ChoosesTheDesktopProgram) {
  const Case& c = GetParam();
  const auto finder = [&](const std::string& program) { return c.installed.count(program) > 0; };
  EXPECT_EQ(DesktopCommandFor(c.request, finder), c.expected);
}

const std::set<std::string> kEverything{"xdg-open", "gnome-calculator", "xcalc",
                                        "gnome-text-editor", "featherpad"};

INSTANTIATE_TEST_SUITE_P(
    Requests, DesktopCommandTest,
    testing::Values(
        Case{"BrowserGetsTheAddress", Browser("https://feniko.example.com/"), kEverything,
             std::vector<std::string>{"xdg-open", "https://feniko.example.com/"}},
        Case{"BrowserMissing", Browser("https://feniko.example.com/"), {"xcalc"}, std::nullopt},
        Case{"BrowserWithoutAddress", Program("Open", "IEXPLORE.EXE"), kEverything, std::nullopt},
        Case{"CalculatorFirstFoundWins", Program("open", "calc.exe"), kEverything,
             std::vector<std::string>{"gnome-calculator"}},
        Case{"CalculatorLastResort",
             Program("open", "calc.exe"),
             {"xcalc", "featherpad"},
             std::vector<std::string>{"xcalc"}},
        Case{"CalculatorNoneFound", Program("open", "calc.exe"), {"xdg-open"}, std::nullopt},
        Case{"EditorFirstFoundWins", Program("open", "notepad.exe"), kEverything,
             std::vector<std::string>{"gnome-text-editor"}},
        Case{"EditorLastResort",
             Program("open", "notepad.exe"),
             {"featherpad"},
             std::vector<std::string>{"featherpad"}},
        Case{"NamesIgnoreCase",
             Program("OPEN", "Calc.EXE"),
             {"kcalc"},
             std::vector<std::string>{"kcalc"}},
        Case{"UnknownProgram", Program("open", "mspaint.exe"), kEverything, std::nullopt},
        Case{"UnknownOperation", Program("print", "notepad.exe"), kEverything, std::nullopt}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace feniko::platform
