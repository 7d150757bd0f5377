#include "pages/ErrorDisplay.h"

#include "numtext/Utf8.h"

namespace feniko {

std::string ErrorDisplayText(std::string_view message) {
  std::string text(message);
  if (LastCodePoint(message) > U'.') text.push_back('.');
  return text;
}

}  // namespace feniko
