#pragma once

#include <string>
#include <string_view>

namespace feniko {

// The caption of the general error display and of the application.
inline constexpr std::string_view kApplicationTitle = "Feniko";

// The text of the general error display for a failure's message: "." is added
// when the last character comes after "." in character order (a letter, a
// digit, a Chinese character), and not after ".", "!", ")", "'" or a space.
//   "'-' is not a valid integer value" -> "'-' is not a valid integer value."
std::string ErrorDisplayText(std::string_view message);

}  // namespace feniko
