#pragma once

#include <string_view>

namespace feniko {

// The decimal separator that reading and writing numbers use: one character
// (UTF-8, so possibly several bytes) taken from the user's regional settings.
// It starts as "." and is set by the platform layer at start-up and after a
// settings change; tests set it directly.
std::string_view DecimalSeparator();

// Sets the separator to `separator` when it is exactly one UTF-8 character,
// otherwise to ".". Returns the separator now in force.
std::string_view SetDecimalSeparator(std::string_view separator);

}  // namespace feniko
