#include <gtest/gtest.h>

#include "numtext/DecimalSeparator.h"
#include "numtext/Utf8.h"

namespace feniko {
namespace {

TEST(Utf8, SequenceLengthAcceptsOnlyWellFormedCharacters) {
  EXPECT_EQ(Utf8SequenceLength("."), 1u);
  EXPECT_EQ(Utf8SequenceLength("\xD9\xAB"), 2u);      // U+066B ARABIC DECIMAL SEPARATOR
  EXPECT_EQ(Utf8SequenceLength("\xE3\x80\x82"), 3u);  // U+3002
  EXPECT_EQ(Utf8SequenceLength("\xC0\xAE"), 0u);      // overlong "."
  EXPECT_EQ(Utf8SequenceLength("\xED\xA0\x80"), 0u);  // a surrogate
  EXPECT_EQ(Utf8SequenceLength("\xE3\x80"), 0u);      // cut short
  EXPECT_EQ(Utf8SequenceLength(""), 0u);
}

TEST(Utf8, LastCodePoint) {
  EXPECT_EQ(LastCodePoint("abc"), U'c');
  EXPECT_EQ(LastCodePoint("值"), U'值');
  EXPECT_EQ(LastCodePoint("a\xE5\x80"), 0x80u);  // a broken tail is read byte by byte
  EXPECT_EQ(LastCodePoint(""), 0u);
}

TEST(DecimalSeparator, TakesExactlyOneCharacterElseFullStop) {
  EXPECT_EQ(SetDecimalSeparator(","), ",");
  EXPECT_EQ(SetDecimalSeparator("\xD9\xAB"), "\xD9\xAB");
  EXPECT_EQ(SetDecimalSeparator(",,"), ".");
  EXPECT_EQ(SetDecimalSeparator(""), ".");
  EXPECT_EQ(SetDecimalSeparator("\xFF"), ".");
  EXPECT_EQ(DecimalSeparator(), ".");
}

}  // namespace
}  // namespace feniko
