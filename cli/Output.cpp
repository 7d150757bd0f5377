#include "cli/Output.h"

#include <cstdio>

namespace feniko::cli {

Output::Output() {
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
}

void Output::Out(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void Output::Err(std::string_view text) {
  Flush();
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void Output::Flush() {
  std::fflush(stdout);
}

bool Output::Good() const {
  return !std::ferror(stdout);
}

}  // namespace feniko::cli
