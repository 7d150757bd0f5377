#include "platform/RegionalSettings.h"

#include "numtext/DecimalSeparator.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>

#include <string_view>
#endif

namespace feniko::platform {

#if defined(_WIN32)

namespace {

// The setting comes in the ANSI code page; the engine reads UTF-8.
std::string AnsiToUtf8(const char* text) {
  wchar_t wide[16];
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 16);
  if (wideLength <= 0) return ".";
  char utf8[64];
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
  if (length <= 0) return ".";
  return std::string(utf8);
}

}  // namespace

std::string ReadRegionalDecimalSeparator() {
  // A settings change may have changed the user's default locale; the thread
  // follows it before the separator is read.
  SetThreadLocale(GetUserDefaultLCID());
  char buffer[16] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) <= 0) return ".";
  return AnsiToUtf8(buffer);
}

#else

namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string ReadRegionalDecimalSeparator() {
  // A locale object of our own, so the process's C locale stays untouched
  // (the engine and Qt rely on it).
  locale_t locale = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return ".";
  }
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  const char* codeset = nl_langinfo_l(CODESET, locale);
  std::string separator = radix != nullptr ? radix : ".";
  const bool utf8 = codeset != nullptr &&
                    (std::string_view(codeset) == "UTF-8" || std::string_view(codeset) == "utf8");
  freelocale(locale);
  // Outside UTF-8 only an ASCII separator can be passed on unchanged.
  if (!utf8 && !IsAscii(separator)) return ".";
  return separator;
}

#endif

void RefreshDecimalSeparator() {
  SetDecimalSeparator(ReadRegionalDecimalSeparator());
}

}  // namespace feniko::platform
