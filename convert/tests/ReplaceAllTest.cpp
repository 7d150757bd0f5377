#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ReplaceAll.h"
#include "convert/UConvert.h"
#include "numtext/Utf8.h"

namespace feniko {
namespace {

std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

std::u32string Replaced(std::u32string text, std::u32string_view pattern,
                        std::u32string_view replacement) {
  text.resize(ReplaceAll(text, text.size(), pattern, replacement));
  return text;
}

struct PassCase {
  const char* name;
  std::u32string_view text;
  std::u32string_view pattern;
  std::u32string_view replacement;
  std::u32string_view expected;
};

void PrintTo(const PassCase& c, std::ostream* os) {
  *os << c.name;
}

class OnePass : public testing::TestWithParam<PassCase> {};

TEST_P(OnePass, NeverMatchesWhatItWrote) {
  const PassCase& c = GetParam();
  EXPECT_EQ(Utf8(Replaced(std::u32string(c.text), c.pattern, c.replacement)), Utf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, OnePass,
    testing::Values(PassCase{"FourZerosUnderThree", U"零零零零", U"零零零", U"零", U"零零"},
                    PassCase{"SixZerosUnderThree", U"零零零零零零", U"零零零", U"零", U"零零"},
                    PassCase{"ThreeZerosUnderTwo", U"零零零", U"零零", U"零", U"零零"},
                    PassCase{"ReplacementFormsNewMatch", U"零零元", U"零元", U"元", U"零元"},
                    PassCase{"EveryOccurrence", U"零拾壹零拾", U"零拾", U"零", U"零壹零"},
                    PassCase{"ToEmpty", U"伍角零分", U"零分", U"", U"伍角"},
                    PassCase{"PatternAtEndOnly", U"壹零", U"零零", U"零", U"壹零"},
                    PassCase{"Empty", U"", U"零分", U"", U""}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

// The zero rules, in their order, on the digits and units of 100001000 yuan.
TEST(ZeroRules, FollowTheTraceOf100001000) {
  const std::array<std::u32string_view, 13> afterPair = {
      U"壹亿零仟零佰零拾零万壹仟零佰零拾元零角零分",  // 1 零元
      U"壹亿零仟零佰零零万壹仟零佰零元零角零分",      // 2 零拾
      U"壹亿零仟零零零万壹仟零零元零角零分",          // 3 零佰
      U"壹亿零零零零万壹仟零零元零角零分",            // 4 零仟
      U"壹亿零零零万壹仟零零元零角零分",              // 5 零万
      U"壹亿零零零万壹仟零零元零角零分",              // 6 零亿
      U"壹亿零零零万壹仟零零元零角零分",              // 7 亿万
      U"壹亿零万壹仟零零元零角零分",                  // 8 零零零
      U"壹亿零万壹仟零元零角零分",                    // 9 零零
      U"壹亿万壹仟零元零角零分",                      // 10 零万
      U"壹亿万壹仟零元零角零分",                      // 11 零亿
      U"壹亿壹仟零元零角零分",                        // 12 亿万
      U"壹亿壹仟元零角零分",                          // 13 零元
  };
  std::u32string text = U"壹亿零仟零佰零拾零万壹仟零佰零拾零元零角零分";
  for (std::size_t i = 0; i < UConvert::ZeroRules.size(); ++i) {
    const auto& [pattern, replacement] = UConvert::ZeroRules[i];
    text = Replaced(text, pattern, replacement);
    EXPECT_EQ(Utf8(text), Utf8(afterPair[i])) << "after pair " << i + 1;
  }
}

}  // namespace
}  // namespace feniko
