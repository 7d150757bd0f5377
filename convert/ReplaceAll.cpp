#include "convert/ReplaceAll.h"

#include <cassert>

namespace feniko {

namespace {

bool MatchesAt(std::span<const char32_t> text, std::size_t size, std::size_t at,
               std::u32string_view pattern) {
  if (size - at < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k)
    if (text[at + k] != pattern[k]) return false;
  return true;
}

}  // namespace

std::size_t ReplaceAll(std::span<char32_t> text, std::size_t size, std::u32string_view pattern,
                       std::u32string_view replacement) {
  assert(!pattern.empty() && replacement.size() <= pattern.size() && size <= text.size());
  // Most passes find nothing; those leave the text as it is.
  std::size_t read = 0;
  while (read < size && !MatchesAt(text, size, read, pattern)) ++read;
  std::size_t write = read;
  while (read < size) {
    if (MatchesAt(text, size, read, pattern)) {
      for (char32_t c : replacement) text[write++] = c;
      read += pattern.size();
    } else {
      text[write++] = text[read++];
    }
  }
  return write;
}

}  // namespace feniko
