#pragma once

// What the harnesses share: reporting a broken law (a message on stderr, then
// abort, so that libFuzzer keeps the input), describing values and texts in
// that message, and the decimal separator that an input picks.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numtext/DecimalSeparator.h"
#include "numtext/Extended80.h"

namespace feniko::fuzz {

[[noreturn]] inline void Broken(std::string_view law, std::string_view detail) {
  std::fprintf(stderr, "\n*** broken law: %.*s\n    %.*s\n", static_cast<int>(law.size()),
               law.data(), static_cast<int>(detail.size()), detail.data());
  std::fflush(stderr);
  std::abort();
}

// The raw encoding, which says everything about a value (no formatting code
// of the engine runs while a law is being reported).
inline std::string Bits(Extended80 v) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "0x%04X:%016llX", v.SignExponentBits(),
                static_cast<unsigned long long>(v.SignificandBits()));
  return buffer;
}

// A text as a C string literal, cut short when it is long.
inline std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 160;
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  out += "\"";
  if (text.size() > kShown) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

// The separator an input asks for with its first byte: "," for a comma, the
// two-byte Arabic decimal separator U+066B for its lead byte 0xD9, "." for
// anything else. Seeds therefore read naturally: ".5000.5", ",1234,5".
inline std::string_view PickSeparator(std::uint8_t first) {
  if (first == ',') return SetDecimalSeparator(",");
  if (first == 0xD9) return SetDecimalSeparator("\xD9\xAB");
  return SetDecimalSeparator(".");
}

}  // namespace feniko::fuzz
