#pragma once

// Standard output, buffered in large blocks for batch work, and standard
// error, which is written at once after everything before it on standard
// output, so that a terminal shows both in order.

#include <string_view>

namespace feniko::cli {

class Output {
 public:
  Output();

  void Out(std::string_view text);
  void Err(std::string_view text);
  // Hands everything written so far to standard output; done before waiting
  // for more input, so that a program feeding us line by line sees each answer.
  void Flush();
  // False once a write to standard output has failed.
  bool Good() const;
};

}  // namespace feniko::cli
