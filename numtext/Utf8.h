#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace feniko {

// Length in bytes of the well-formed UTF-8 character at the start of `text`,
// or 0 when `text` is empty or does not start with one.
std::size_t Utf8SequenceLength(std::string_view text);

// The code point of the last character of `text`, or 0 for an empty text; a
// malformed tail is taken byte by byte.
char32_t LastCodePoint(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace feniko
