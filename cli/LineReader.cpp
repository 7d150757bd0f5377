#include "cli/LineReader.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace feniko::cli {

LineReader::LineReader(int fileDescriptor, std::function<void()> beforeWaiting)
    : fd_(fileDescriptor), beforeWaiting_(std::move(beforeWaiting)) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  if (beforeWaiting_) beforeWaiting_();
  for (;;) {
#if defined(_WIN32)
    const auto count = _read(fd_, block_.data(), static_cast<unsigned>(block_.size()));
#else
    const auto count = read(fd_, block_.data(), block_.size());
#endif
    if (count > 0) {
      begin_ = 0;
      end_ = static_cast<std::size_t>(count);
      return true;
    }
    if (count < 0 && errno == EINTR) continue;
    atEnd_ = true;
    return false;
  }
}

bool LineReader::Next(std::string_view& line) {
  longLine_.clear();
  bool haveText = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) {
      // End of input: a last line without LF, if there is one.
      line = longLine_;
      return haveText;
    }
    const char* start = block_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    if (newline == nullptr) {
      longLine_.append(start, end_ - begin_);
      begin_ = end_;
      haveText = true;
      continue;
    }
    const auto length = static_cast<std::size_t>(newline - start);
    begin_ += length + 1;
    if (haveText) {
      longLine_.append(start, length);
      line = longLine_;
    } else {
      line = std::string_view(start, length);
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }
}

}  // namespace feniko::cli
