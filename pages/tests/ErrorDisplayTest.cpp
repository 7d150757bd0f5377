#include <gtest/gtest.h>

#include <string>

#include "pages/ErrorDisplay.h"

namespace feniko {
namespace {

struct DisplayCase {
  const char* name;
  const char* message;
  const char* shown;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
  *os << c.name;
}

class ErrorDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(ErrorDisplay, AddsAFullStopAfterCharactersBeyondIt) {
  EXPECT_EQ(ErrorDisplayText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrorDisplay,
    testing::Values(DisplayCase{"Letter", "'-' is not a valid integer value",
                                "'-' is not a valid integer value."},
                    DisplayCase{"Digit", "code 7", "code 7."},
                    DisplayCase{"Slash", "a/", "a/."},  // "/" comes right after "."
                    DisplayCase{"Chinese", "金额无效", "金额无效."},
                    DisplayCase{"FullWidthStop", "金额无效。", "金额无效。."},
                    DisplayCase{"Stop", "done.", "done."},
                    DisplayCase{"Exclamation", "stop!", "stop!"},
                    DisplayCase{"Parenthesis", "金额超出转换范围(最大 9999999999999.99 元)",
                                "金额超出转换范围(最大 9999999999999.99 元)"},
                    DisplayCase{"Quote", "'x'", "'x'"},
                    DisplayCase{"Space", "trailing ", "trailing "},
                    DisplayCase{"Minus", "a-", "a-"},  // "-" comes right before "."
                    DisplayCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace feniko
