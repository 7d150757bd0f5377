#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "numtext/DecimalSeparator.h"
#include "platform/RegionalSettings.h"

// glibc keeps the LOCPATH search list that newlocale builds for the rest of
// the process; it is glibc's cache, not a leak of ours. (__argz_add_sep is the
// frame that a fast unwind still sees.)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__newlocale\nleak:__argz_add_sep\n";
}

namespace feniko::platform {
namespace {

// Compiles a locale from the system's sources into a private folder, so the
// test does not depend on which locales the machine has installed.
class RegionalSettings : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    localeDir_ = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                           ("feniko-locales-" + std::to_string(::getpid())));
    std::filesystem::create_directories(*localeDir_);
  }
  static void TearDownTestSuite() {
    std::filesystem::remove_all(*localeDir_);
    delete localeDir_;
  }
  void TearDown() override {
    ::unsetenv("LOCPATH");
    ::setenv("LC_ALL", "C", 1);
    SetDecimalSeparator(".");
  }

  // Selects `name` built from `source`, or skips when localedef is missing.
  bool UseCompiledLocale(const std::string& source, const std::string& name) {
    const std::string command = "localedef -i " + source + " -f UTF-8 " +
                                (*localeDir_ / name).string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(*localeDir_ / name))
      return false;
    ::setenv("LOCPATH", localeDir_->c_str(), 1);
    ::setenv("LC_ALL", name.c_str(), 1);
    return true;
  }

  static std::filesystem::path* localeDir_;
};
std::filesystem::path* RegionalSettings::localeDir_ = nullptr;

TEST_F(RegionalSettings, CLocaleGivesFullStop) {
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(ReadRegionalDecimalSeparator(), ".");
}

TEST_F(RegionalSettings, UnknownLocaleGivesFullStop) {
  ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  EXPECT_EQ(ReadRegionalDecimalSeparator(), ".");
}

TEST_F(RegionalSettings, GermanSettingsGiveCommaWithoutTouchingTheProcessLocale) {
  if (!UseCompiledLocale("de_DE", "de_DE.UTF-8")) GTEST_SKIP() << "localedef not available";
  RefreshDecimalSeparator();
  EXPECT_EQ(DecimalSeparator(), ",");
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

TEST_F(RegionalSettings, MultiByteSeparatorIsTakenWhole) {
  if (!UseCompiledLocale("ps_AF", "ps_AF.UTF-8")) GTEST_SKIP() << "localedef not available";
  RefreshDecimalSeparator();
  EXPECT_EQ(DecimalSeparator(), "\xD9\xAB");  // U+066B ARABIC DECIMAL SEPARATOR
}

}  // namespace
}  // namespace feniko::platform
