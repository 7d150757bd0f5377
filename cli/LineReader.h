#pragma once

// Standard input, one line at a time, in constant memory.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace feniko::cli {

// Reads lines from a file descriptor. A line ends at LF; one CR right before
// the LF is dropped; a last line without LF still counts, and keeps a CR at
// its end. Memory holds one read block and the longest line, however many
// lines there are.
class LineReader {
 public:
  // `beforeWaiting` runs each time the reader is about to wait for input.
  LineReader(int fileDescriptor, std::function<void()> beforeWaiting);

  // The next line, valid until the next call; false at the end of the input
  // (or on a read error).
  bool Next(std::string_view& line);

 private:
  bool Fill();

  int fd_;
  std::function<void()> beforeWaiting_;
  std::array<char, 1 << 16> block_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  std::string longLine_;  // a line that runs over the end of a block
};

}  // namespace feniko::cli
