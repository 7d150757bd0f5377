#pragma once

// The replace-all rule of the capital converter, on a text held in a buffer.

#include <cstddef>
#include <span>
#include <string_view>

namespace feniko {

// Replaces every occurrence of `pattern` in text[0, size) by `replacement`
// in one left-to-right pass: the scan resumes behind each occurrence, in the
// text as it stood before the pass, so what the pass writes is never matched
// again by it. Returns the new size.
//   "零零零零", 零零零 -> 零: "零零" (not "零")
//   "零零零",   零零 -> 零:   "零零"
// `replacement` must be no longer than a non-empty `pattern`: the text is
// rewritten in place and writing never overtakes reading.
std::size_t ReplaceAll(std::span<char32_t> text, std::size_t size, std::u32string_view pattern,
                       std::u32string_view replacement);

}  // namespace feniko
