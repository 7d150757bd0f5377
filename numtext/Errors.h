#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace feniko {

// Every failure of the engine carries the text that the general error
// display shows; callers that guard a step catch FenikoError as a whole.
class FenikoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that could not be read as a number (or, from the capital converter,
// as an integer).
class ConversionError : public FenikoError {
 public:
  using FenikoError::FenikoError;
};

// Overflow, invalid operation or division by zero in the floating-point
// arithmetic. Underflow and inexact results are not failures.
class ArithmeticError : public FenikoError {
 public:
  using FenikoError::FenikoError;
};

inline constexpr std::string_view kOverflowMessage = "Floating point overflow";
inline constexpr std::string_view kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr std::string_view kDivisionByZeroMessage = "Floating point division by zero";

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();

// "'<text>' is not a valid floating point value", the whole text quoted as given.
[[noreturn]] void RaiseNotAFloat(std::string_view text);
// "'<text>' is not a valid integer value".
[[noreturn]] void RaiseNotAnInteger(std::string_view text);

}  // namespace feniko
