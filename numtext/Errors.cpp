#include "numtext/Errors.h"

namespace feniko {

void RaiseOverflow() {
  throw ArithmeticError(std::string(kOverflowMessage));
}
void RaiseInvalidOperation() {
  throw ArithmeticError(std::string(kInvalidOperationMessage));
}
void RaiseDivisionByZero() {
  throw ArithmeticError(std::string(kDivisionByZeroMessage));
}

void RaiseNotAFloat(std::string_view text) {
  std::string message;
  message.reserve(text.size() + 40);
  message.append("'").append(text).append("' is not a valid floating point value");
  throw ConversionError(message);
}

void RaiseNotAnInteger(std::string_view text) {
  std::string message;
  message.reserve(text.size() + 32);
  message.append("'").append(text).append("' is not a valid integer value");
  throw ConversionError(message);
}

}  // namespace feniko
