#include "numtext/DecimalSeparator.h"

#include <array>
#include <cstddef>

#include "numtext/Utf8.h"

namespace feniko {
namespace {

// The one piece of mutable state of the engine: written only on the UI thread
// at start-up and on a settings change.
struct Separator {
  std::array<char, 4> bytes{'.'};
  std::size_t size = 1;
};
Separator g_separator;

}  // namespace

std::string_view DecimalSeparator() {
  return {g_separator.bytes.data(), g_separator.size};
}

std::string_view SetDecimalSeparator(std::string_view separator) {
  if (Utf8SequenceLength(separator) == separator.size() && !separator.empty()) {
    for (std::size_t i = 0; i < separator.size(); ++i) g_separator.bytes[i] = separator[i];
    g_separator.size = separator.size();
  } else {
    g_separator.bytes[0] = '.';
    g_separator.size = 1;
  }
  return DecimalSeparator();
}

}  // namespace feniko
