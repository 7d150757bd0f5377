#include "numtext/Utf8.h"

namespace feniko {

std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length;
  char32_t minimum;
  char32_t code;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

char32_t LastCodePoint(std::string_view text) {
  if (text.empty()) return 0;
  // Step back over at most three continuation bytes to the lead byte.
  std::size_t start = text.size() - 1;
  while (start > 0 && text.size() - start < 4 &&
         (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
    --start;
  const std::string_view tail = text.substr(start);
  if (Utf8SequenceLength(tail) != tail.size()) return static_cast<unsigned char>(text.back());
  const auto lead = static_cast<unsigned char>(tail[0]);
  if (tail.size() == 1) return lead;
  char32_t code = lead & (0x7F >> tail.size());
  for (std::size_t i = 1; i < tail.size(); ++i)
    code = (code << 6) | (static_cast<unsigned char>(tail[i]) & 0x3F);
  return code;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace feniko
